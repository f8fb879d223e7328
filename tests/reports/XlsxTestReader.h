#pragma once
// Reads a written workbook back for the tests, independently of the
// program's workbook code: unzip with libzip, parse the active sheet, the
// shared strings and the cell styles with pugixml.

#include <zip.h>

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstring>
#include <optional>
#include <pugixml.hpp>

namespace aeriton::test {

struct SheetCell {
  enum Type { Empty, Number, Text } type = Empty;
  double number = 0;
  QString raw;  // the <v> text of a number, as written
  QString text;
  int style = 0;
};

class XlsxReader {
 public:
  explicit XlsxReader(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) load(f.readAll());
  }
  explicit XlsxReader(const QByteArray& bytes) { load(bytes); }

  bool ok() const { return ok_; }
  QStringList parts() const { return parts_.keys(); }
  QByteArray part(const QString& name) const { return parts_.value(name); }
  QString sheetName() const { return sheet_; }

  // A cell of the active sheet (Empty when absent or without a value).
  SheetCell cell(const QString& ref) const { return cells_.value(ref); }
  double number(const QString& ref) const { return cells_.value(ref).number; }
  QString text(const QString& ref) const { return cells_.value(ref).text; }
  bool hasValue(const QString& ref) const { return cells_.value(ref).type != SheetCell::Empty; }
  // The number format code of a cell's style ("" for General).
  QString numberFormat(const QString& ref) const {
    const int s = cells_.value(ref).style;
    const int id = xfFormat_.value(s, 0);
    if (formats_.contains(id)) return formats_.value(id);
    static const QMap<int, QString> builtin = {
        {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}};
    return builtin.value(id);
  }
  // Attributes of <sheetProtection> ("" when the sheet has none).
  QMap<QString, QString> protection() const { return protection_; }
  bool protectedSheet() const { return hasProtection_; }
  QStringList mergedRanges() const { return merged_; }

 private:
  void load(const QByteArray& bytes) {
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &err);
    zip_t* za = src ? zip_open_from_source(src, ZIP_RDONLY, &err) : nullptr;
    zip_error_fini(&err);
    if (!za) {
      if (src) zip_source_free(src);
      return;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
      zip_stat_t st;
      zip_stat_index(za, i, 0, &st);
      QByteArray data(static_cast<qsizetype>(st.size), '\0');
      zip_file_t* f = zip_fopen_index(za, i, 0);
      zip_fread(f, data.data(), st.size);
      zip_fclose(f);
      parts_[QString::fromUtf8(st.name)] = data;
    }
    zip_discard(za);

    pugi::xml_document wb, rels, sheet, shared, styles;
    if (!parse(wb, "xl/workbook.xml") || !parse(rels, "xl/_rels/workbook.xml.rels")) return;
    int active = wb.child("workbook")
                     .child("bookViews")
                     .child("workbookView")
                     .attribute("activeTab")
                     .as_int(0);
    int i = 0;
    QString rid;
    for (pugi::xml_node s : wb.child("workbook").child("sheets").children("sheet"))
      if (i++ == active) rid = QString::fromUtf8(s.attribute("r:id").value());
    for (pugi::xml_node r : rels.child("Relationships").children("Relationship"))
      if (QString::fromUtf8(r.attribute("Id").value()) == rid) {
        QString t = QString::fromUtf8(r.attribute("Target").value());
        sheet_ = t.startsWith('/') ? t.mid(1) : "xl/" + t;
      }
    if (!parse(sheet, sheet_)) return;
    QStringList strings;
    if (parse(shared, "xl/sharedStrings.xml"))
      for (pugi::xml_node si : shared.child("sst").children("si")) {
        QString s;
        for (const pugi::xpath_node& t : si.select_nodes(".//t"))
          s += QString::fromUtf8(t.node().text().get());
        strings << s;
      }
    if (parse(styles, "xl/styles.xml")) {
      for (pugi::xml_node f : styles.child("styleSheet").child("numFmts").children("numFmt"))
        formats_[f.attribute("numFmtId").as_int()] =
            QString::fromUtf8(f.attribute("formatCode").value());
      int k = 0;
      for (pugi::xml_node xf : styles.child("styleSheet").child("cellXfs").children("xf"))
        xfFormat_[k++] = xf.attribute("numFmtId").as_int();
    }
    const pugi::xml_node ws = sheet.child("worksheet");
    for (pugi::xml_node row : ws.child("sheetData").children("row"))
      for (pugi::xml_node c : row.children("c")) {
        SheetCell cell;
        cell.style = c.attribute("s").as_int(0);
        const QString t = QString::fromUtf8(c.attribute("t").value());
        if (t == "inlineStr") {
          cell.type = SheetCell::Text;
          for (const pugi::xpath_node& n : c.select_nodes("is//t"))
            cell.text += QString::fromUtf8(n.node().text().get());
        } else if (t == "s") {
          cell.type = SheetCell::Text;
          cell.text = strings.value(c.child("v").text().as_int());
        } else if (t == "str") {
          cell.type = SheetCell::Text;
          cell.text = QString::fromUtf8(c.child("v").text().get());
        } else if (c.child("v")) {
          cell.type = SheetCell::Number;
          cell.raw = QString::fromUtf8(c.child("v").text().get());
          // QString::toDouble reads "." whatever the locale (strtod would not).
          cell.number = cell.raw.toDouble();
        }
        cells_[QString::fromUtf8(c.attribute("r").value())] = cell;
      }
    if (pugi::xml_node p = ws.child("sheetProtection")) {
      hasProtection_ = true;
      for (pugi::xml_attribute a : p.attributes())
        protection_[QString::fromUtf8(a.name())] = QString::fromUtf8(a.value());
    }
    for (pugi::xml_node m : ws.child("mergeCells").children("mergeCell"))
      merged_ << QString::fromUtf8(m.attribute("ref").value());
    ok_ = true;
  }

  bool parse(pugi::xml_document& doc, const QString& name) const {
    const QByteArray data = parts_.value(name);
    if (data.isEmpty()) return false;
    return static_cast<bool>(doc.load_buffer(data.constData(), static_cast<size_t>(data.size())));
  }

  bool ok_ = false;
  QMap<QString, QByteArray> parts_;
  QString sheet_;
  QMap<QString, SheetCell> cells_;
  QMap<int, QString> formats_;
  QMap<int, int> xfFormat_;
  QMap<QString, QString> protection_;
  bool hasProtection_ = false;
  QStringList merged_;
};

}  // namespace aeriton::test

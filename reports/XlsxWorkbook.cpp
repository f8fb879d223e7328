#include "reports/XlsxWorkbook.h"

#include <zip.h>

#include <QFile>
#include <QHash>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <vector>

#include "study/ExchangeFiles.h"

namespace aeriton::reports {
namespace {

// A workbook of ours is a few tens of kilobytes; a part or a package far above
// this is no report template and is refused before it is read into memory.
constexpr zip_uint64_t kMaxPartBytes = 32u << 20;
constexpr qint64 kMaxPackageBytes = 64 << 20;

// The sheet XML's limits (Excel's grid).
constexpr int kMaxColumn = 16384;
constexpr int kMaxRow = 1048576;

struct Entry {
  QString name;
  QByteArray data;
  time_t mtime = 0;
  bool stored = false;  // kept uncompressed in the template
};

QString zipError(zip_error_t* e) {
  return QString::fromUtf8(zip_error_strerror(e));
}

// Parses a part kept in memory. Whitespace is kept as it is, so that a part
// written back differs from the template only where cells were set.
bool parsePart(pugi::xml_document& doc, const QByteArray& bytes, QString* error,
               const QString& name) {
  const unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata;
  const pugi::xml_parse_result r = doc.load_buffer(
      bytes.constData(), static_cast<size_t>(bytes.size()), flags, pugi::encoding_utf8);
  if (!r) {
    if (error)
      *error = QStringLiteral("%1: %2 (byte %3)")
                   .arg(name, QString::fromUtf8(r.description()))
                   .arg(static_cast<qlonglong>(r.offset));
    return false;
  }
  return true;
}

QByteArray serialise(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  const std::string s = out.str();
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// Local name of an element ("x:c" -> "c"): packages written by other programs
// may carry a prefix on the spreadsheet namespace.
const char* localName(const pugi::xml_node& n) {
  const char* name = n.name();
  const char* colon = std::strchr(name, ':');
  return colon ? colon + 1 : name;
}

bool isNamed(const pugi::xml_node& n, const char* local) {
  return n.type() == pugi::node_element && std::strcmp(localName(n), local) == 0;
}

pugi::xml_node child(const pugi::xml_node& parent, const char* local) {
  for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling())
    if (isNamed(n, local)) return n;
  return pugi::xml_node();
}

// The prefix ("x:" or "") the document uses for its spreadsheet elements.
std::string prefixOf(const pugi::xml_node& element) {
  const char* name = element.name();
  const char* colon = std::strchr(name, ':');
  return colon ? std::string(name, static_cast<size_t>(colon - name + 1)) : std::string();
}

// Resolves a relationship target against the folder of its source part.
QString resolveTarget(const QString& sourceFolder, const QString& target) {
  if (target.startsWith('/')) return target.mid(1);
  QStringList parts = (sourceFolder + target).split('/');
  QStringList out;
  for (const QString& p : parts) {
    if (p == "..") {
      if (!out.isEmpty()) out.removeLast();
    } else if (p != "." && !p.isEmpty()) {
      out << p;
    }
  }
  return out.join('/');
}

// Element order of a worksheet (ECMA-376 CT_Worksheet): a new element is put
// before the first existing element that must follow it.
const char* const kWorksheetOrder[] = {"sheetPr",
                                       "dimension",
                                       "sheetViews",
                                       "sheetFormatPr",
                                       "cols",
                                       "sheetData",
                                       "sheetCalcPr",
                                       "sheetProtection",
                                       "protectedRanges",
                                       "scenarios",
                                       "autoFilter",
                                       "sortState",
                                       "dataConsolidate",
                                       "customSheetViews",
                                       "mergeCells",
                                       "phoneticPr",
                                       "conditionalFormatting",
                                       "dataValidations",
                                       "hyperlinks",
                                       "printOptions",
                                       "pageMargins",
                                       "pageSetup",
                                       "headerFooter",
                                       "rowBreaks",
                                       "colBreaks",
                                       "customProperties",
                                       "cellWatches",
                                       "ignoredErrors",
                                       "smartTags",
                                       "drawing",
                                       "legacyDrawing",
                                       "legacyDrawingHF",
                                       "drawingHF",
                                       "picture",
                                       "oleObjects",
                                       "controls",
                                       "webPublishItems",
                                       "tableParts",
                                       "extLst"};

int orderOf(const char* local) {
  int i = 0;
  for (const char* name : kWorksheetOrder) {
    if (std::strcmp(name, local) == 0) return i;
    ++i;
  }
  return i;
}

pugi::xml_node insertInOrder(pugi::xml_node worksheet, const char* local) {
  const std::string name = prefixOf(worksheet) + local;
  const int rank = orderOf(local);
  for (pugi::xml_node n = worksheet.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element && orderOf(localName(n)) > rank)
      return worksheet.insert_child_before(name.c_str(), n);
  return worksheet.append_child(name.c_str());
}

// Number formats built into every spreadsheet program (ECMA-376 18.8.30).
int builtinFormatId(const QString& code) {
  static const QHash<QString, int> ids = {{"General", 0},  {"0", 1},  {"0.00", 2},   {"#,##0", 3},
                                          {"#,##0.00", 4}, {"0%", 9}, {"0.00%", 10}, {"@", 49}};
  return ids.value(code, -1);
}

}  // namespace

// ---- references and numbers ------------------------------------------------------

bool parseCellReference(const QString& ref, int& column, int& row) {
  int i = 0;
  int col = 0;
  const int n = ref.size();
  while (i < n && ref[i].isLetter() && ref[i].unicode() < 128) {
    col = col * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
    if (col > kMaxColumn) return false;
    ++i;
  }
  if (i == 0 || i == n) return false;
  if (ref[i] == '0') return false;
  long long r = 0;
  for (; i < n; ++i) {
    if (!ref[i].isDigit()) return false;
    r = r * 10 + (ref[i].unicode() - '0');
    if (r > kMaxRow) return false;
  }
  column = col;
  row = static_cast<int>(r);
  return row >= 1;
}

QString columnName(int column) {
  QString name;
  while (column > 0) {
    const int rem = (column - 1) % 26;
    name.prepend(QChar('A' + rem));
    column = (column - 1) / 26;
  }
  return name;
}

QString numberText(double value) {
  if (!std::isfinite(value)) value = 0.0;  // a sheet cell cannot hold NaN or infinity
  if (value == 0.0) return QStringLiteral("0");
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return QString::fromLatin1(buf, static_cast<qsizetype>(r.ptr - buf));
}

// ---- the workbook ------------------------------------------------------------------

struct XlsxWorkbook::Impl {
  std::vector<Entry> entries;
  QString sheetName;
  pugi::xml_document sheet;
  pugi::xml_document styles;
  bool sheetDirty = false;
  bool stylesLoaded = false;
  bool stylesDirty = false;
  // Cell style index and number format -> the cloned style that carries it.
  std::map<std::pair<int, int>, int> clonedStyles;

  Entry* find(const QString& name) {
    for (Entry& e : entries)
      if (e.name == name) return &e;
    return nullptr;
  }
  const Entry* find(const QString& name) const {
    for (const Entry& e : entries)
      if (e.name == name) return &e;
    return nullptr;
  }

  bool readPackage(const QByteArray& bytes, QString* error);
  bool findActiveSheet(QString* error);
  bool loadStyles(QString* error);
  int numberFormatId(const QString& code);
  int styleWithFormat(int style, int formatId);
  pugi::xml_node cellNode(int column, int row);
  void growDimension(int column, int row);
  QByteArray partBytes(const Entry& e) const;
};

bool XlsxWorkbook::Impl::readPackage(const QByteArray& bytes, QString* error) {
  zip_error_t zerr;
  zip_error_init(&zerr);
  zip_source_t* src = zip_source_buffer_create(bytes.constData(),
                                               static_cast<zip_uint64_t>(bytes.size()), 0, &zerr);
  if (!src) {
    if (error) *error = zipError(&zerr);
    zip_error_fini(&zerr);
    return false;
  }
  zip_t* za = zip_open_from_source(src, ZIP_RDONLY, &zerr);
  if (!za) {
    if (error) *error = QStringLiteral("no workbook package (%1)").arg(zipError(&zerr));
    zip_source_free(src);
    zip_error_fini(&zerr);
    return false;
  }
  zip_error_fini(&zerr);
  bool ok = true;
  const zip_int64_t count = zip_get_num_entries(za, 0);
  for (zip_int64_t i = 0; ok && i < count; ++i) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE) || st.size > kMaxPartBytes) {
      if (error) *error = QStringLiteral("damaged package entry %1").arg(i);
      ok = false;
      break;
    }
    Entry e;
    e.name = QString::fromUtf8(st.name);
    e.mtime = (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0;
    e.stored = (st.valid & ZIP_STAT_COMP_METHOD) && st.comp_method == ZIP_CM_STORE;
    e.data.resize(static_cast<qsizetype>(st.size));
    zip_file_t* f = zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0);
    if (!f) {
      if (error) *error = QStringLiteral("%1: %2").arg(e.name, QString::fromUtf8(zip_strerror(za)));
      ok = false;
      break;
    }
    zip_int64_t got = 0;
    while (got < static_cast<zip_int64_t>(st.size)) {
      const zip_int64_t n =
          zip_fread(f, e.data.data() + got, static_cast<zip_uint64_t>(st.size) - got);
      if (n <= 0) break;
      got += n;
    }
    zip_fclose(f);
    if (got != static_cast<zip_int64_t>(st.size)) {
      if (error) *error = QStringLiteral("%1: truncated").arg(e.name);
      ok = false;
      break;
    }
    entries.push_back(std::move(e));
  }
  zip_discard(za);  // also frees the source
  return ok;
}

bool XlsxWorkbook::Impl::findActiveSheet(QString* error) {
  const Entry* wb = find(QStringLiteral("xl/workbook.xml"));
  const Entry* rels = find(QStringLiteral("xl/_rels/workbook.xml.rels"));
  if (!wb || !rels) {
    if (error) *error = QStringLiteral("no workbook part");
    return false;
  }
  pugi::xml_document wdoc, rdoc;
  if (!parsePart(wdoc, wb->data, error, wb->name) ||
      !parsePart(rdoc, rels->data, error, rels->name))
    return false;
  const pugi::xml_node workbook = wdoc.document_element();
  int active = 0;
  if (pugi::xml_node views = child(workbook, "bookViews"))
    if (pugi::xml_node view = child(views, "workbookView"))
      active = view.attribute("activeTab").as_int(0);
  const pugi::xml_node sheets = child(workbook, "sheets");
  std::vector<pugi::xml_node> list;
  for (pugi::xml_node n = sheets.first_child(); n; n = n.next_sibling())
    if (isNamed(n, "sheet")) list.push_back(n);
  if (list.empty()) {
    if (error) *error = QStringLiteral("the workbook has no sheet");
    return false;
  }
  if (active < 0 || active >= static_cast<int>(list.size())) active = 0;
  // The relationship id is in the office relationships namespace, whatever its prefix.
  QString rid;
  for (pugi::xml_attribute a = list[active].first_attribute(); a; a = a.next_attribute()) {
    const char* name = a.name();
    const char* colon = std::strchr(name, ':');
    if (colon && std::strcmp(colon + 1, "id") == 0) rid = QString::fromUtf8(a.value());
  }
  for (pugi::xml_node r = rdoc.document_element().first_child(); r; r = r.next_sibling()) {
    if (!isNamed(r, "Relationship")) continue;
    if (QString::fromUtf8(r.attribute("Id").value()) == rid) {
      sheetName =
          resolveTarget(QStringLiteral("xl/"), QString::fromUtf8(r.attribute("Target").value()));
      break;
    }
  }
  const Entry* sh = sheetName.isEmpty() ? nullptr : find(sheetName);
  if (!sh) {
    if (error) *error = QStringLiteral("the active sheet is missing from the package");
    return false;
  }
  if (!parsePart(sheet, sh->data, error, sh->name)) return false;
  if (!child(sheet.document_element(), "sheetData")) {
    if (error) *error = QStringLiteral("%1: no sheetData").arg(sheetName);
    return false;
  }
  return true;
}

bool XlsxWorkbook::Impl::loadStyles(QString* error) {
  if (stylesLoaded) return true;
  const Entry* st = find(QStringLiteral("xl/styles.xml"));
  if (!st) {
    if (error) *error = QStringLiteral("the workbook has no styles part");
    return false;
  }
  if (!parsePart(styles, st->data, error, st->name)) return false;
  if (!child(styles.document_element(), "cellXfs")) {
    if (error) *error = QStringLiteral("xl/styles.xml: no cell styles");
    return false;
  }
  stylesLoaded = true;
  return true;
}

int XlsxWorkbook::Impl::numberFormatId(const QString& code) {
  const int builtin = builtinFormatId(code);
  if (builtin >= 0) return builtin;
  pugi::xml_node sheetStyles = styles.document_element();
  pugi::xml_node fmts = child(sheetStyles, "numFmts");
  int maxId = 163;  // custom formats start at 164
  if (fmts) {
    for (pugi::xml_node f = fmts.first_child(); f; f = f.next_sibling()) {
      if (!isNamed(f, "numFmt")) continue;
      const int id = f.attribute("numFmtId").as_int();
      if (QString::fromUtf8(f.attribute("formatCode").value()) == code) return id;
      maxId = std::max(maxId, id);
    }
  } else {
    fmts = sheetStyles.prepend_child((prefixOf(sheetStyles) + "numFmts").c_str());
  }
  pugi::xml_node f = fmts.append_child((prefixOf(sheetStyles) + "numFmt").c_str());
  f.append_attribute("numFmtId") = maxId + 1;
  f.append_attribute("formatCode") = code.toUtf8().constData();
  int count = 0;
  for (pugi::xml_node n = fmts.first_child(); n; n = n.next_sibling())
    if (isNamed(n, "numFmt")) ++count;
  if (!fmts.attribute("count")) fmts.prepend_attribute("count");
  fmts.attribute("count") = count;
  stylesDirty = true;
  return maxId + 1;
}

int XlsxWorkbook::Impl::styleWithFormat(int style, int formatId) {
  const auto key = std::make_pair(style, formatId);
  const auto it = clonedStyles.find(key);
  if (it != clonedStyles.end()) return it->second;
  pugi::xml_node xfs = child(styles.document_element(), "cellXfs");
  std::vector<pugi::xml_node> list;
  for (pugi::xml_node n = xfs.first_child(); n; n = n.next_sibling())
    if (isNamed(n, "xf")) list.push_back(n);
  if (list.empty()) return style;
  if (style < 0 || style >= static_cast<int>(list.size())) style = 0;
  pugi::xml_node copy = xfs.append_copy(list[style]);
  if (!copy.attribute("numFmtId")) copy.prepend_attribute("numFmtId");
  copy.attribute("numFmtId") = formatId;
  if (!copy.attribute("applyNumberFormat")) copy.append_attribute("applyNumberFormat");
  copy.attribute("applyNumberFormat") = 1;
  const int index = static_cast<int>(list.size());
  if (!xfs.attribute("count")) xfs.prepend_attribute("count");
  xfs.attribute("count") = index + 1;
  stylesDirty = true;
  clonedStyles[key] = index;
  return index;
}

// The <c> element of a cell, created in row and column order when missing.
pugi::xml_node XlsxWorkbook::Impl::cellNode(int column, int row) {
  pugi::xml_node worksheet = sheet.document_element();
  const std::string p = prefixOf(worksheet);
  pugi::xml_node data = child(worksheet, "sheetData");
  growDimension(column, row);
  // Rows without an "r" follow the previous row.
  pugi::xml_node rowNode;
  int implicitRow = 0;
  for (pugi::xml_node n = data.first_child(); n; n = n.next_sibling()) {
    if (!isNamed(n, "row")) continue;
    const int r = n.attribute("r") ? n.attribute("r").as_int() : implicitRow + 1;
    implicitRow = r;
    if (r == row) {
      rowNode = n;
      break;
    }
    if (r > row) {
      rowNode = data.insert_child_before((p + "row").c_str(), n);
      rowNode.append_attribute("r") = row;
      break;
    }
  }
  if (!rowNode) {
    rowNode = data.append_child((p + "row").c_str());
    rowNode.append_attribute("r") = row;
  }
  const QByteArray ref = (columnName(column) + QString::number(row)).toLatin1();
  int implicitCol = 0;
  for (pugi::xml_node c = rowNode.first_child(); c; c = c.next_sibling()) {
    if (!isNamed(c, "c")) continue;
    int col = implicitCol + 1, r = row;
    if (c.attribute("r")) parseCellReference(QString::fromUtf8(c.attribute("r").value()), col, r);
    implicitCol = col;
    if (col == column) return c;
    if (col > column) {
      pugi::xml_node cell = rowNode.insert_child_before((p + "c").c_str(), c);
      cell.append_attribute("r") = ref.constData();
      rowNode.remove_attribute("spans");  // the row's hint no longer covers its cells
      return cell;
    }
  }
  pugi::xml_node cell = rowNode.append_child((p + "c").c_str());
  cell.append_attribute("r") = ref.constData();
  rowNode.remove_attribute("spans");
  return cell;
}

// Widens the sheet's used range when a cell is added beyond it.
void XlsxWorkbook::Impl::growDimension(int column, int row) {
  pugi::xml_node dim = child(sheet.document_element(), "dimension");
  if (!dim) return;
  const QString ref = QString::fromUtf8(dim.attribute("ref").value());
  const QStringList corners = ref.split(':');
  int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
  if (!parseCellReference(corners.value(0), c1, r1)) return;
  if (corners.size() < 2 || !parseCellReference(corners.value(1), c2, r2)) c2 = c1, r2 = r1;
  const int nc1 = std::min(c1, column), nr1 = std::min(r1, row);
  const int nc2 = std::max(c2, column), nr2 = std::max(r2, row);
  if (nc1 == c1 && nr1 == r1 && nc2 == c2 && nr2 == r2) return;
  const QString grown =
      columnName(nc1) + QString::number(nr1) + ':' + columnName(nc2) + QString::number(nr2);
  dim.attribute("ref") = grown.toLatin1().constData();
}

QByteArray XlsxWorkbook::Impl::partBytes(const Entry& e) const {
  if (e.name == sheetName && sheetDirty) return serialise(sheet);
  if (e.name == QLatin1String("xl/styles.xml") && stylesDirty) return serialise(styles);
  return e.data;
}

XlsxWorkbook::XlsxWorkbook() = default;
XlsxWorkbook::~XlsxWorkbook() = default;

bool XlsxWorkbook::open(const QString& path, QString* error) {
  close();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  if (f.size() > kMaxPackageBytes) {
    if (error) *error = QStringLiteral("the file is too large for a report template");
    return false;
  }
  return openBytes(f.readAll(), error);
}

bool XlsxWorkbook::openBytes(const QByteArray& bytes, QString* error) {
  close();
  auto d = std::make_unique<Impl>();
  if (!d->readPackage(bytes, error) || !d->findActiveSheet(error)) return false;
  d_ = std::move(d);
  return true;
}

bool XlsxWorkbook::isOpen() const {
  return d_ != nullptr;
}

void XlsxWorkbook::close() {
  d_.reset();
}

QString XlsxWorkbook::sheetPart() const {
  return d_ ? d_->sheetName : QString();
}

bool XlsxWorkbook::setCell(const CellValue& value, QString* error) {
  if (!d_) {
    if (error) *error = QStringLiteral("no workbook is open");
    return false;
  }
  const QString first = value.range.section(':', 0, 0).trimmed();
  int column = 0, row = 0;
  if (!parseCellReference(first, column, row)) {
    if (error) *error = QStringLiteral("no cell named \"%1\"").arg(value.range);
    return false;
  }
  int formatId = -1;
  if (!value.numberFormat.isEmpty()) {
    if (!d_->loadStyles(error)) return false;
    formatId = d_->numberFormatId(value.numberFormat);
  }
  pugi::xml_node c = d_->cellNode(column, row);
  while (pugi::xml_node n = child(c, "f")) c.remove_child(n);
  while (pugi::xml_node n = child(c, "v")) c.remove_child(n);
  while (pugi::xml_node n = child(c, "is")) c.remove_child(n);
  c.remove_attribute("t");
  const std::string p = prefixOf(c);
  if (value.isNumber) {
    c.append_child((p + "v").c_str())
        .append_child(pugi::node_pcdata)
        .set_value(numberText(value.number).toLatin1().constData());
  } else if (!value.text.isEmpty()) {
    c.append_attribute("t") = "inlineStr";
    pugi::xml_node t = c.append_child((p + "is").c_str()).append_child((p + "t").c_str());
    const QString& s = value.text;
    if (s.front().isSpace() || s.back().isSpace() || s.contains('\n'))
      t.append_attribute("xml:space") = "preserve";
    t.append_child(pugi::node_pcdata).set_value(s.toUtf8().constData());
  }
  if (formatId >= 0) {
    const int style = c.attribute("s").as_int(0);
    if (!c.attribute("s")) c.append_attribute("s");
    c.attribute("s") = d_->styleWithFormat(style, formatId);
  }
  d_->sheetDirty = true;
  return true;
}

bool XlsxWorkbook::setCells(const CellMap& cells, QString* error) {
  for (const CellValue& c : cells)
    if (!setCell(c, error)) return false;
  return true;
}

void XlsxWorkbook::protectSheet() {
  if (!d_) return;
  pugi::xml_node worksheet = d_->sheet.document_element();
  pugi::xml_node prot = child(worksheet, "sheetProtection");
  if (!prot) prot = insertInOrder(worksheet, "sheetProtection");
  while (pugi::xml_attribute a = prot.first_attribute()) prot.remove_attribute(a);
  prot.append_attribute("sheet") = "1";
  prot.append_attribute("objects") = "1";
  prot.append_attribute("scenarios") = "1";
  d_->sheetDirty = true;
}

bool XlsxWorkbook::toBytes(QByteArray& out, QString* error) const {
  if (!d_) {
    if (error) *error = QStringLiteral("no workbook is open");
    return false;
  }
  // The parts that changed, serialised once and kept alive until the
  // archive is closed (libzip reads the buffers then).
  std::vector<QByteArray> buffers;
  buffers.reserve(d_->entries.size());
  for (const Entry& e : d_->entries) buffers.push_back(d_->partBytes(e));

  zip_error_t zerr;
  zip_error_init(&zerr);
  zip_source_t* mem = zip_source_buffer_create(nullptr, 0, 0, &zerr);
  if (!mem) {
    if (error) *error = zipError(&zerr);
    zip_error_fini(&zerr);
    return false;
  }
  zip_t* za = zip_open_from_source(mem, ZIP_TRUNCATE, &zerr);
  if (!za) {
    if (error) *error = zipError(&zerr);
    zip_source_free(mem);
    zip_error_fini(&zerr);
    return false;
  }
  zip_error_fini(&zerr);
  zip_source_keep(mem);  // the archive's close must leave the buffer to us

  bool ok = true;
  for (size_t i = 0; ok && i < d_->entries.size(); ++i) {
    const Entry& e = d_->entries[i];
    const QByteArray& data = buffers[i];
    zip_source_t* s =
        zip_source_buffer(za, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    const QByteArray name = e.name.toUtf8();
    const zip_int64_t idx = s ? zip_file_add(za, name.constData(), s, ZIP_FL_ENC_UTF_8) : -1;
    if (idx < 0) {
      if (s) zip_source_free(s);
      ok = false;
      break;
    }
    zip_set_file_compression(za, static_cast<zip_uint64_t>(idx),
                             e.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    if (e.mtime > 0) zip_file_set_mtime(za, static_cast<zip_uint64_t>(idx), e.mtime, 0);
  }
  if (!ok) {
    if (error) *error = QString::fromUtf8(zip_strerror(za));
    zip_discard(za);
    zip_source_free(mem);
    return false;
  }
  if (zip_close(za) != 0) {
    if (error) *error = QString::fromUtf8(zip_strerror(za));
    zip_discard(za);
    zip_source_free(mem);
    return false;
  }
  // Read the finished package out of the memory source.
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_stat(mem, &st) != 0 || zip_source_open(mem) != 0) {
    if (error) *error = QStringLiteral("the package could not be read back");
    zip_source_free(mem);
    return false;
  }
  out.resize(static_cast<qsizetype>(st.size));
  const zip_int64_t n = zip_source_read(mem, out.data(), st.size);
  zip_source_close(mem);
  zip_source_free(mem);
  if (n != static_cast<zip_int64_t>(st.size)) {
    if (error) *error = QStringLiteral("the package could not be read back");
    out.clear();
    return false;
  }
  return true;
}

bool XlsxWorkbook::save(const QString& path, QString* error) const {
  QByteArray bytes;
  if (!toBytes(bytes, error)) return false;
  return writeFileAtomically(path, bytes, error);
}

QByteArray XlsxWorkbook::part(const QString& name) const {
  if (!d_) return QByteArray();
  const Entry* e = d_->find(name);
  return e ? d_->partBytes(*e) : QByteArray();
}

}  // namespace aeriton::reports

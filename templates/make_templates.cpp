// make_templates: writes the report templates of the program into a folder.
//
//   make_templates OUTPUT_FOLDER
//
// Sixteen Office Open XML workbooks, each one A4 portrait sheet in Greek:
//   the twelve result sheets "LD_PS_*.xlsx" (metric summer and winter in each
//   load unit, English summer and winter), the three process diagrams
//   "W_HU.xlsx", "S_RN.xlsx", "S_RY.xlsx" and the two-state calculator sheet
//   "PS_i.xlsx".
// The program fills them cell by cell (reports/XlsxWorkbook.h); the cells it
// writes are the blank, styled cells left here at the same addresses. Every
// sheet is protected with the workbook password (sheet protection only, no
// encryption), has its print area and is fitted to one page.
//
// The output is reproducible: fixed document dates, fixed drawings.

#include <xlsxwriter.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The workbook password of the templates (sheet protection).
const char* const kPassword = "(*48307265*)";
const char* const kFont = "Arial";  // Liberation Sans / Nimbus Sans stand in where it is missing

// Colours of the sheets.
constexpr lxw_color_t kInk = 0x1F2937;
constexpr lxw_color_t kMuted = 0x4B5563;
constexpr lxw_color_t kRule = 0x1F4E79;
constexpr lxw_color_t kBand = 0xDCE6F1;    // section bands
constexpr lxw_color_t kValue = 0xFFFBE6;   // filled-in values
constexpr lxw_color_t kBorder = 0x9CA3AF;  // value boxes
constexpr lxw_color_t kNote = 0xB91C1C;    // notes the program writes

// ---- formats -------------------------------------------------------------------------

struct Style {
  double size = 10;
  bool bold = false;
  bool italic = false;
  uint8_t align = LXW_ALIGN_LEFT;
  uint8_t valign = LXW_ALIGN_VERTICAL_CENTER;
  lxw_color_t color = kInk;
  lxw_color_t fill = 0;  // 0: none
  bool box = false;      // thin border all round
  bool rule = false;     // medium rule below
  bool wrap = false;
  std::string numFormat;
  bool operator<(const Style& o) const {
    return std::tie(size, bold, italic, align, valign, color, fill, box, rule, wrap, numFormat) <
           std::tie(o.size, o.bold, o.italic, o.align, o.valign, o.color, o.fill, o.box, o.rule,
                    o.wrap, o.numFormat);
  }
};

class Book {
 public:
  explicit Book(const std::string& path) {
    lxw_workbook_options options = {};
    options.constant_memory = LXW_FALSE;
    wb_ = workbook_new_opt(path.c_str(), &options);
  }
  bool ok() const { return wb_ != nullptr; }

  lxw_worksheet* sheet(const char* name) { return workbook_add_worksheet(wb_, name); }

  lxw_format* fmt(const Style& s) {
    auto it = cache_.find(s);
    if (it != cache_.end()) return it->second;
    lxw_format* f = workbook_add_format(wb_);
    format_set_font_name(f, kFont);
    format_set_font_size(f, s.size);
    if (s.bold) format_set_bold(f);
    if (s.italic) format_set_italic(f);
    format_set_font_color(f, s.color);
    format_set_align(f, s.align);
    format_set_align(f, s.valign);
    if (s.fill) {
      format_set_pattern(f, LXW_PATTERN_SOLID);
      format_set_bg_color(f, s.fill);
    }
    if (s.box) {
      format_set_border(f, LXW_BORDER_THIN);
      format_set_border_color(f, kBorder);
    }
    if (s.rule) {
      format_set_bottom(f, LXW_BORDER_MEDIUM);
      format_set_bottom_color(f, kRule);
    }
    if (s.wrap) format_set_text_wrap(f);
    if (!s.numFormat.empty()) format_set_num_format(f, s.numFormat.c_str());
    cache_[s] = f;
    return f;
  }

  // Fixed document properties, so that two runs write the same bytes.
  void properties(const char* title) {
    lxw_doc_properties p = {};
    p.title = const_cast<char*>(title);
    p.author = const_cast<char*>("Aeriton");
    p.company = const_cast<char*>("Aeriton");
    p.created = 1704103200;  // 2024-01-01 10:00 UTC
    workbook_set_properties(wb_, &p);
  }

  bool close() {
    const lxw_error e = workbook_close(wb_);
    wb_ = nullptr;
    return e == LXW_NO_ERROR;
  }

 private:
  lxw_workbook* wb_ = nullptr;
  std::map<Style, lxw_format*> cache_;
};

void pageSetup(lxw_worksheet* ws, int lastRow, int lastCol, const char* footer) {
  worksheet_set_paper(ws, 9);  // A4
  worksheet_set_portrait(ws);
  worksheet_set_margins(ws, 0.6, 0.6, 0.7, 0.7);
  worksheet_center_horizontally(ws);
  worksheet_print_area(ws, 0, 0, static_cast<lxw_row_t>(lastRow), static_cast<lxw_col_t>(lastCol));
  worksheet_fit_to_pages(ws, 1, 1);
  worksheet_gridlines(ws, LXW_HIDE_ALL_GRIDLINES);
  worksheet_set_footer(ws, footer);
  lxw_protection prot = {};
  worksheet_protect(ws, kPassword, &prot);
}

// ---- the result sheets -------------------------------------------------------------------

enum class Season { Summer, Winter };
enum class Units { Kcal, Watt, Kw, Rt, BtuC, English };

struct ResultSheet {
  const char* file;
  Season season;
  Units units;
};

const ResultSheet kResultSheets[] = {
    {"LD_PS_MS.xlsx", Season::Summer, Units::Kcal},
    {"LD_PS_MSWa.xlsx", Season::Summer, Units::Watt},
    {"LD_PS_MSKw.xlsx", Season::Summer, Units::Kw},
    {"LD_PS_MSRT.xlsx", Season::Summer, Units::Rt},
    {"LD_PS_MSBTUH.xlsx", Season::Summer, Units::BtuC},
    {"LD_PS_MW.xlsx", Season::Winter, Units::Kcal},
    {"LD_PS_MWWa.xlsx", Season::Winter, Units::Watt},
    {"LD_PS_MWKw.xlsx", Season::Winter, Units::Kw},
    {"LD_PS_MWRT.xlsx", Season::Winter, Units::Rt},
    {"LD_PS_MWBTUH.xlsx", Season::Winter, Units::BtuC},
    {"LD_PS_ES.xlsx", Season::Summer, Units::English},
    {"LD_PS_EW.xlsx", Season::Winter, Units::English},
};

struct UnitTexts {
  const char* temp;
  const char* load;
  const char* enthalpy;
  const char* flow;
  const char* freshAir;
  const char* water;
  const char* loadFormat;
};

UnitTexts unitTexts(Units u) {
  switch (u) {
    case Units::Kcal:
      return {"[°C]", "[Kcal/h]", "[Kcal/Kg]", "[m³/h]", "[ m³/h ]", "[Kg/h]", "#,##0.00"};
    case Units::Watt:
      return {"[°C]", "[Watts]", "[KJ/Kg]", "[m³/h]", "[ m³/h ]", "[Kg/h]", "#,##0.00"};
    case Units::Kw:
      return {"[°C]", "[Kw]", "[KJ/Kg]", "[m³/h]", "[ m³/h ]", "[Kg/h]", "#,##0.000"};
    case Units::Rt:
      return {"[°C]", "[RT]", "[KJ/Kg]", "[m³/h]", "[ m³/h ]", "[Kg/h]", "#,##0.000"};
    case Units::BtuC:
      return {"[°C]", "[Btu/h]", "[Kcal/Kg]", "[m³/h]", "[ m³/h ]", "[Kg/h]", "#,##0.00"};
    case Units::English:
      return {"[°F]", "[Btu/h]", "[Btu/Lb]", "[CFM]", "[ CFM ]", "[Lb/h]", "#,##0.00"};
  }
  return {};
}

class ResultWriter {
 public:
  ResultWriter(Book& book, lxw_worksheet* ws) : book_(book), ws_(ws) {}

  void band(int row, const char* text) {
    Style s;
    s.bold = true;
    s.size = 10.5;
    s.fill = kBand;
    s.color = kRule;
    worksheet_set_row(ws_, row, 18, nullptr);
    worksheet_merge_range(ws_, row, 0, row, 2, text, book_.fmt(s));
  }
  void heading(int row, const char* text) {
    Style s;
    s.bold = true;
    s.color = kRule;
    s.valign = LXW_ALIGN_VERTICAL_BOTTOM;
    worksheet_set_row(ws_, row, 19, nullptr);  // a little air above each group
    worksheet_write_string(ws_, row, 0, text, book_.fmt(s));
  }
  // A labelled value: label in A, the blank value cell in B, the unit in C.
  void value(int row, const char* label, const char* unit, const std::string& numFormat,
             bool strong = false) {
    Style l;
    l.bold = strong;
    worksheet_write_string(ws_, row, 0, label, book_.fmt(l));
    Style v;
    v.align = LXW_ALIGN_RIGHT;
    v.fill = kValue;
    v.box = true;
    v.bold = true;
    v.numFormat = numFormat;
    worksheet_write_blank(ws_, row, 1, book_.fmt(v));
    Style u;
    u.color = kMuted;
    u.size = 9;
    worksheet_write_string(ws_, row, 2, unit, book_.fmt(u));
  }
  // A line the program may write (notes), merged over the three columns.
  void note(int row) {
    Style s;
    s.italic = true;
    s.color = kNote;
    s.size = 9;
    worksheet_merge_range(ws_, row, 0, row, 2, "", book_.fmt(s));
  }

 private:
  Book& book_;
  lxw_worksheet* ws_;
};

bool writeResultSheet(const std::string& folder, const ResultSheet& r) {
  Book book(folder + "/" + r.file);
  if (!book.ok()) return false;
  const bool summer = r.season == Season::Summer;
  book.properties(summer ? "Ψυχρομετρικοί Υπολογισμοί Καλοκαιριού"
                         : "Ψυχρομετρικοί Υπολογισμοί Χειμώνα");
  lxw_worksheet* ws = book.sheet("Αποτελέσματα");
  const UnitTexts u = unitTexts(r.units);
  const bool english = r.units == Units::English;

  worksheet_set_column(ws, 0, 0, 62, nullptr);
  worksheet_set_column(ws, 1, 1, 15, nullptr);
  worksheet_set_column(ws, 2, 2, 12, nullptr);

  // Header: designer, program heading, study title, season and kind.
  Style designer;
  designer.italic = true;
  designer.color = kMuted;
  worksheet_merge_range(ws, 0, 0, 0, 2, "Μελετητής : ", book.fmt(designer));  // A1
  Style head;
  head.bold = true;
  head.size = 14;
  head.color = kRule;
  head.rule = true;
  worksheet_set_row(ws, 1, 24, nullptr);
  worksheet_merge_range(ws, 1, 0, 1, 2,
                        summer ? "ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΚΛΙΜΑΤΙΣΤΙΚΗΣ ΜΟΝΑΔΑΣ - ΚΑΛΟΚΑΙΡΙ"
                               : "ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΚΛΙΜΑΤΙΣΤΙΚΗΣ ΜΟΝΑΔΑΣ - ΧΕΙΜΩΝΑΣ",
                        book.fmt(head));
  Style small;
  small.size = 9;
  small.color = kMuted;
  worksheet_write_string(ws, 2, 0, "Θέμα Μελέτης :", book.fmt(small));
  Style title;
  title.bold = true;
  title.size = 12;
  title.wrap = true;
  title.valign = LXW_ALIGN_VERTICAL_TOP;
  worksheet_set_row(ws, 3, 32, nullptr);
  worksheet_merge_range(ws, 3, 0, 3, 2, "", book.fmt(title));  // A4
  worksheet_write_string(ws, 5, 0, "Περίοδος και Είδος Συστήματος :", book.fmt(small));
  Style kind;
  kind.bold = true;
  worksheet_merge_range(ws, 6, 0, 6, 2, "", book.fmt(kind));  // A7

  ResultWriter w(book, ws);
  const std::string t1 = "#,##0.0", t2 = "0.00", rh = "0.00", h2 = "0.00";
  w.band(9, "ΣΥΝΘΗΚΕΣ ΣΧΕΔΙΑΣΜΟΥ");
  w.heading(10, "Εξωτερικός Αέρας (Περιβάλλοντος)");
  w.value(11, "Θερμοκρασία Ξηρού Θερμομέτρου", u.temp, t1);  // B12
  w.value(12, "Θερμοκρασία Υγρού Θερμομέτρου", u.temp, t1);  // B13
  w.value(13, "Σχετική Υγρασία", "[%]", rh);                 // B14
  w.heading(15, "Αέρας Κλιματιζόμενων Χώρων");
  w.value(16, "Θερμοκρασία Ξηρού Θερμομέτρου", u.temp, t1);  // B17
  w.value(17, "Θερμοκρασία Υγρού Θερμομέτρου", u.temp, t1);  // B18
  w.value(18, "Σχετική Υγρασία", "[%]", rh);                 // B19

  w.band(20, summer ? "ΦΟΡΤΙΑ ΧΩΡΩΝ ΚΑΙ ΝΩΠΟΣ ΑΕΡΑΣ" : "ΑΠΩΛΕΙΕΣ ΧΩΡΩΝ ΚΑΙ ΝΩΠΟΣ ΑΕΡΑΣ");
  w.value(21, summer ? "Συνολικό Αισθητό Φορτίο Χώρων" : "Αισθητές Θερμικές Απώλειες Χώρων", u.load,
          u.loadFormat);                                                // B22
  w.value(22, "Συνολικό Λανθάνον Φορτίο Χώρων", u.load, u.loadFormat);  // B23
  w.value(23, "Νωπός Αέρας, όπως δόθηκε", u.freshAir, "#,##0.0");       // B24, C24
  w.note(24);                                                           // A25
  w.note(25);                                                           // A26

  w.band(26, "ΑΠΟΤΕΛΕΣΜΑΤΑ");
  w.heading(27, "Μίγμα Αέρα στην Είσοδο του Στοιχείου  (Σημείο M)");
  w.value(28, "Θερμοκρασία Ξηρού Θερμομέτρου", u.temp, t2);  // B29
  w.value(29, "Θερμοκρασία Υγρού Θερμομέτρου", u.temp, t2);  // B30
  w.value(30, "Ενθαλπία", u.enthalpy, h2);                   // B31
  w.heading(32, summer ? "Αέρας στην Έξοδο του Στοιχείου Ψύξης  (Σημείο T)"
                       : "Αέρας στην Έξοδο του Στοιχείου Θέρμανσης  (Σημείο T)");
  w.value(33, "Θερμοκρασία Ξηρού Θερμομέτρου", u.temp, t2);  // B34
  w.value(34, "Θερμοκρασία Υγρού Θερμομέτρου", u.temp, t2);  // B35
  w.value(35, "Ενθαλπία", u.enthalpy, h2);                   // B36
  w.heading(36, "Νωπός Αέρας");
  w.value(37, "Παροχή Νωπού Αέρα", u.flow, "#,##0");                // B38
  w.value(38, "Αισθητό Φορτίο Νωπού Αέρα", u.load, u.loadFormat);   // B39
  w.value(39, "Λανθάνον Φορτίο Νωπού Αέρα", u.load, u.loadFormat);  // B40
  if (summer) {
    w.heading(40, "Αναθέρμανση");
    w.value(41, "Απαιτούμενη Ισχύς Αναθέρμανσης", u.load, "#,##0.0");  // B42
  } else {
    w.heading(40, "Υγραντήρες");
    w.value(41, "Νερό Υγραντήρων", u.water, "#,##0.00");  // B42
  }
  // Summer: the air after the reheat (none without reheat or a raise).
  w.heading(42, summer ? "Αέρας μετά την Αναθέρμανση  (Αέρας Τροφοδοσίας των Χώρων)"
                       : "Αέρας Τροφοδοσίας των Χώρων  (μετά τους Υγραντήρες, Σημείο S)");
  w.value(43, "Θερμοκρασία Ξηρού Θερμομέτρου", u.temp, t2);             // B44
  w.value(44, "Θερμοκρασία Υγρού Θερμομέτρου", u.temp, t2);             // B45
  w.note(45);                                                           // A46
  w.value(46, "Παροχή Αέρα Τροφοδοσίας των Χώρων", u.flow, "#,##0.0");  // B47
  w.heading(47, summer ? "Στοιχείο Ψύξης" : "Στοιχείο Θέρμανσης");
  w.value(
      48,
      summer ? "ΑΠΑΙΤΟΥΜΕΝΗ ΨΥΚΤΙΚΗ ΙΣΧΥΣ ΣΤΟ ΣΤΟΙΧΕΙΟ" : "ΑΠΑΙΤΟΥΜΕΝΗ ΘΕΡΜΙΚΗ ΙΣΧΥΣ ΣΤΟ ΣΤΟΙΧΕΙΟ",
      u.load, u.loadFormat, true);  // B49

  Style foot;
  foot.size = 8;
  foot.italic = true;
  foot.color = kMuted;
  worksheet_merge_range(ws, 50, 0, 50, 2,
                        english
                            ? "Αγγλοσαξωνικό Σύστημα Μονάδων · Ατμοσφαιρική Πίεση 29,921 inHg"
                            : "Μετρικό Σύστημα Μονάδων · Ατμοσφαιρική Πίεση 760 mmHg (29,921 inHg)",
                        book.fmt(foot));
  pageSetup(ws, 50, 2, "&L&8Aeriton&R&8&D");
  return book.close();
}

// ---- the process diagrams ----------------------------------------------------------------

enum class Diagram { Hum, NoHum, Reh };

// Geometry of the diagram sheets: column A and Q are margins, B..P carry the
// states and the boxes. The schematic picture spans rows 11..15 over A..Q.
constexpr int kMarginPx = 24;
constexpr int kColPx = 46;
constexpr int kCols = 15;
constexpr int kPicRowFirst = 10;  // row 11
constexpr int kPicRows = 5;
constexpr int kPicRowPx = 26;
constexpr int kPicScale = 4;  // drawn at four times the sheet's pixels

double colX(int col) {  // left edge of a column (0 = A) in sheet pixels
  return col == 0 ? 0.0 : kMarginPx + (col - 1) * kColPx;
}

struct Box {
  int firstCol, lastCol;  // sheet columns (0 = A)
  QColor colour;
  enum Kind { Cooling, Heating, Humidifier } kind;
};

struct DiagramSpec {
  const char* file;
  const char* sheetTitle;
  const char* period;
  std::vector<Box> boxes;
  std::vector<std::pair<int, const char*>> states;  // c1 column, letter
  std::vector<const char*> boxCaptions;
  std::vector<const char*> stateCaptions;
};

// The picture: the casing of the unit, the air stream with its arrows, the
// coils and humidifiers, and a mark where each state is taken.
QImage schematic(const DiagramSpec& d) {
  const int w = (2 * kMarginPx + kCols * kColPx) * kPicScale;
  const int h = kPicRows * kPicRowPx * kPicScale;
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kPicScale, kPicScale);
  const double W = 2 * kMarginPx + kCols * kColPx;
  const double H = kPicRows * kPicRowPx;
  const double mid = H / 2;

  // Casing of the unit.
  const QRectF casing(colX(1) + 6, 8, colX(kCols + 1) - colX(1) - 12, H - 16);
  p.setPen(QPen(QColor(0x6B, 0x72, 0x80), 1.6));
  p.setBrush(QColor(0xF3, 0xF4, 0xF6));
  p.drawRoundedRect(casing, 6, 6);

  // The air stream.
  const QColor air(0x1F, 0x4E, 0x79);
  p.setPen(QPen(air, 3.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(2, mid), QPointF(W - 10, mid));
  auto arrow = [&](double x) {
    QPainterPath head;
    head.moveTo(x, mid);
    head.lineTo(x - 10, mid - 6);
    head.lineTo(x - 10, mid + 6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawPath(head);
  };

  // The components.
  for (const Box& b : d.boxes) {
    const QRectF r(colX(b.firstCol) + 6, 14, colX(b.lastCol + 1) - colX(b.firstCol) - 12, H - 28);
    p.setPen(QPen(QColor(0x11, 0x18, 0x27), 1.8));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    if (b.kind == Box::Humidifier) {
      // Spray nozzles on a header pipe, droplets falling into the stream.
      p.setPen(QPen(b.colour, 1.6));
      const double hx = r.left() + 10;
      p.drawLine(QPointF(hx, r.top() + 6), QPointF(hx, r.bottom() - 6));
      p.setBrush(b.colour);
      for (double y = r.top() + 14; y < r.bottom() - 8; y += 16) {
        p.drawEllipse(QPointF(hx, y), 2.4, 2.4);
        for (int k = 0; k < 3; ++k) {
          const double dy = (k - 1) * 4.0;
          for (double x = hx + 8; x < r.right() - 6; x += 9)
            p.drawEllipse(QPointF(x, y + dy + (x - hx) * 0.18 * (k - 1)), 1.2, 1.2);
        }
      }
    } else {
      // Finned coil: tubes across the stream and the fins' hatch.
      p.setPen(QPen(b.colour.lighter(150), 1.0));
      for (double x = r.left() - r.height(); x < r.right(); x += 7)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
      p.setPen(QPen(b.colour, 2.2));
      p.setBrush(Qt::white);
      for (double y = r.top() + 9; y < r.bottom() - 4; y += 13)
        for (double x = r.left() + 12; x < r.right() - 6; x += 20)
          p.drawEllipse(QPointF(x, y), 3.2, 3.2);
    }
    p.setClipping(false);
    // Supply and return connections above the coil.
    if (b.kind != Box::Humidifier) {
      p.setPen(QPen(b.colour, 2.0));
      p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top()),
                 QPointF(r.left() + r.width() * 0.3, 2));
      p.drawLine(QPointF(r.left() + r.width() * 0.7, r.top()),
                 QPointF(r.left() + r.width() * 0.7, 2));
    } else {
      p.setPen(QPen(b.colour, 2.0));
      p.drawLine(QPointF(r.left() + 10, r.top()), QPointF(r.left() + 10, 2));
    }
  }

  // Arrowheads in the free stretches of the stream, the state marks.
  std::vector<std::pair<double, double>> gaps;  // free stretches between boxes
  double x0 = 0;
  for (const Box& b : d.boxes) {
    gaps.emplace_back(x0, colX(b.firstCol) + 6);
    x0 = colX(b.lastCol + 1) - 6;
  }
  gaps.emplace_back(x0, W);
  for (const auto& g : gaps) arrow(g.second - (g.second >= W ? 2 : 4));
  for (const auto& s : d.states) {
    const double x = (colX(s.first) + colX(s.first + 3)) / 2;
    p.setPen(QPen(QColor(0xB9, 0x1C, 0x1C), 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, mid), 5.5, 5.5);
    p.setPen(QPen(QColor(0xB9, 0x1C, 0x1C), 1.2, Qt::DashLine));
    p.drawLine(QPointF(x, mid + 6), QPointF(x, H));
  }
  p.end();
  return img;
}

bool writeDiagramSheet(const std::string& folder, const DiagramSpec& d) {
  Book book(folder + "/" + d.file);
  if (!book.ok()) return false;
  book.properties("Σχηματική Διάταξη Θερμοκρασιών");
  lxw_worksheet* ws = book.sheet(d.sheetTitle);
  worksheet_set_column_pixels(ws, 0, 0, kMarginPx, nullptr);
  worksheet_set_column_pixels(ws, 1, kCols, kColPx, nullptr);
  worksheet_set_column_pixels(ws, kCols + 1, kCols + 1, kMarginPx, nullptr);
  const int last = kCols + 1;  // Q

  Style head;
  head.bold = true;
  head.size = 14;
  head.color = kRule;
  head.align = LXW_ALIGN_CENTER;
  head.rule = true;
  worksheet_set_row(ws, 0, 24, nullptr);
  worksheet_merge_range(ws, 0, 1, 0, kCols, "ΣΧΗΜΑΤΙΚΗ ΔΙΑΤΑΞΗ ΘΕΡΜΟΚΡΑΣΙΩΝ", book.fmt(head));
  Style designer;
  designer.italic = true;
  designer.color = kMuted;
  worksheet_merge_range(ws, 2, 1, 2, kCols, "Μελετητής : ", book.fmt(designer));  // B3
  Style small;
  small.size = 9;
  small.color = kMuted;
  worksheet_write_string(ws, 4, 1, "Θέμα Μελέτης :", book.fmt(small));
  Style title;
  title.bold = true;
  title.size = 12;
  title.wrap = true;
  title.valign = LXW_ALIGN_VERTICAL_TOP;
  worksheet_set_row(ws, 5, 32, nullptr);
  worksheet_merge_range(ws, 5, 1, 5, kCols, "", book.fmt(title));  // B6
  Style period;
  period.bold = true;
  period.fill = kBand;
  period.color = kRule;
  period.align = LXW_ALIGN_CENTER;
  worksheet_set_row(ws, 7, 18, nullptr);
  worksheet_merge_range(ws, 7, 1, 7, kCols, d.period, book.fmt(period));

  // Captions of the boxes above the picture.
  Style cap;
  cap.bold = true;
  cap.size = 9;
  cap.align = LXW_ALIGN_CENTER;
  cap.valign = LXW_ALIGN_VERTICAL_BOTTOM;
  cap.wrap = true;
  worksheet_set_row(ws, 9, 30, nullptr);
  for (size_t i = 0; i < d.boxes.size(); ++i)
    worksheet_merge_range(ws, 9, d.boxes[i].firstCol, 9, d.boxes[i].lastCol, d.boxCaptions[i],
                          book.fmt(cap));
  for (int r = 0; r < kPicRows; ++r)
    worksheet_set_row_pixels(ws, kPicRowFirst + r, kPicRowPx, nullptr);
  const QImage img = schematic(d);
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  lxw_image_options io = {};
  io.x_scale = 1.0 / kPicScale;
  io.y_scale = 1.0 / kPicScale;
  io.object_position = LXW_OBJECT_MOVE_AND_SIZE;
  io.description = const_cast<char*>("Σχηματική διάταξη της κλιματιστικής μονάδας");
  worksheet_insert_image_buffer_opt(ws, kPicRowFirst, 0,
                                    reinterpret_cast<const unsigned char*>(png.constData()),
                                    static_cast<size_t>(png.size()), &io);

  // State letters and what each state is.
  Style letter;
  letter.bold = true;
  letter.size = 13;
  letter.color = 0xB91C1C;
  letter.align = LXW_ALIGN_CENTER;
  Style what;
  what.size = 8;
  what.color = kMuted;
  what.align = LXW_ALIGN_CENTER;
  what.valign = LXW_ALIGN_VERTICAL_TOP;
  what.wrap = true;
  Style colHead;
  colHead.size = 8;
  colHead.bold = true;
  colHead.align = LXW_ALIGN_CENTER;
  Style val;
  val.bold = true;
  val.align = LXW_ALIGN_CENTER;
  val.fill = kValue;
  val.box = true;
  val.numFormat = "0.0";
  Style valH = val;
  valH.numFormat = "0.000";
  Style unit;
  unit.size = 8;
  unit.color = kMuted;
  unit.align = LXW_ALIGN_CENTER;
  Style hLabel;
  hLabel.size = 9;
  hLabel.align = LXW_ALIGN_RIGHT;
  worksheet_set_row(ws, 15, 20, nullptr);
  worksheet_set_row(ws, 20, 20, nullptr);
  for (size_t i = 0; i < d.states.size(); ++i) {
    const int c1 = d.states[i].first, c2 = c1 + 2;
    worksheet_merge_range(ws, 15, c1, 15, c2, d.states[i].second, book.fmt(letter));  // row 16
    worksheet_write_string(ws, 16, c1, "Ξ.Θ.", book.fmt(colHead));                    // row 17
    worksheet_write_string(ws, 16, c2, "Υ.Θ.", book.fmt(colHead));
    worksheet_write_blank(ws, 17, c1, book.fmt(val));                                // (18, c1)
    worksheet_write_blank(ws, 17, c2, book.fmt(val));                                // (18, c2)
    worksheet_write_string(ws, 18, c1, "[ °C ]", book.fmt(unit));                    // (19, c1)
    worksheet_write_string(ws, 18, c2, "[ °C ]", book.fmt(unit));                    // (19, c2)
    worksheet_merge_range(ws, 20, c1, 22, c2, d.stateCaptions[i], book.fmt(what));   // rows 21-23
    worksheet_merge_range(ws, 24, c1, 24, c1 + 1, "Ενθαλπία : ", book.fmt(hLabel));  // (25, c1)
    worksheet_write_blank(ws, 24, c2, book.fmt(valH));                               // (25, c2)
    worksheet_write_string(ws, 25, c2, "[Kcal/Kg]", book.fmt(unit));                 // (26, c2)
  }
  Style legend;
  legend.size = 8;
  legend.italic = true;
  legend.color = kMuted;
  worksheet_merge_range(ws, 28, 1, 28, kCols,
                        "Ξ.Θ. : Θερμοκρασία Ξηρού Θερμομέτρου · Υ.Θ. : Θερμοκρασία Υγρού "
                        "Θερμομέτρου · Ενθαλπία Αέρα ανά μονάδα μάζας ξηρού αέρα",
                        book.fmt(legend));
  pageSetup(ws, 30, last, "&L&8Aeriton&R&8&D");
  return book.close();
}

const QColor kCoolingColour(0x1D, 0x4E, 0xD8);
const QColor kHeatingColour(0xDC, 0x26, 0x26);
const QColor kHumidColour(0x08, 0x91, 0xB2);

std::vector<DiagramSpec> diagramSpecs() {
  // Columns (0 = A): B 1, D 3, E 4, G 6, H 7, J 9, K 10, M 12, N 13, P 15.
  return {
      {"W_HU.xlsx",
       "Διάγραμμα",
       "Περίοδος Χειμώνα : Θέρμανση και Ύγρανση του Αέρα",
       {{4, 6, kHeatingColour, Box::Heating}, {10, 12, kHumidColour, Box::Humidifier}},
       {{1, "M"}, {7, "T"}, {13, "S"}},
       {"Στοιχείο Κλιματιστικής Μονάδας", "Υγραντήρες"},
       {"Μίγμα Αέρα, πριν από το Στοιχείο", "Μετά το Στοιχείο Θέρμανσης",
        "Μετά τους Υγραντήρες (Αέρας Τροφοδοσίας)"}},
      {"S_RN.xlsx",
       "Διάγραμμα",
       "Περίοδος Καλοκαιριού : Ψύξη και Αφύγρανση του Αέρα",
       {{7, 9, kCoolingColour, Box::Cooling}},
       {{4, "M"}, {10, "T"}},
       {"Στοιχείο Κλιματιστικής Μονάδας"},
       {"Μίγμα Αέρα, πριν από το Στοιχείο", "Μετά το Στοιχείο Ψύξης (Αέρας Τροφοδοσίας)"}},
      {"S_RY.xlsx",
       "Διάγραμμα",
       "Περίοδος Καλοκαιριού : Ψύξη, Αφύγρανση και Αναθέρμανση του Αέρα",
       {{4, 6, kCoolingColour, Box::Cooling}, {10, 12, kHeatingColour, Box::Heating}},
       {{1, "M"}, {7, "T"}, {13, "S"}},
       {"Στοιχείο Κλιματιστικής Μονάδας", "Αναθέρμανση"},
       {"Μίγμα Αέρα, πριν από το Στοιχείο", "Μετά το Στοιχείο Ψύξης",
        "Μετά την Αναθέρμανση (Αέρας Τροφοδοσίας)"}},
  };
}

// ---- the two-state calculator sheet ---------------------------------------------------------

bool writeCalculatorSheet(const std::string& folder) {
  Book book(folder + "/PS_i.xlsx");
  if (!book.ok()) return false;
  book.properties("Ψυχρομετρικοί Υπολογισμοί δύο Καταστάσεων Αέρα");
  lxw_worksheet* ws = book.sheet("Υπολογισμός");
  worksheet_set_column(ws, 0, 0, 52, nullptr);
  worksheet_set_column(ws, 1, 1, 15, nullptr);
  worksheet_set_column(ws, 2, 2, 14, nullptr);
  Style head;
  head.bold = true;
  head.size = 14;
  head.color = kRule;
  head.rule = true;
  worksheet_set_row(ws, 0, 24, nullptr);
  worksheet_merge_range(ws, 0, 0, 0, 2, "ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΑΕΡΑ", book.fmt(head));
  Style designer;
  designer.italic = true;
  designer.color = kMuted;
  worksheet_merge_range(ws, 1, 0, 1, 2, "Μελετητής : ", book.fmt(designer));  // A2
  Style small;
  small.size = 9;
  small.color = kMuted;
  worksheet_write_string(ws, 3, 0, "Θέμα Μελέτης :", book.fmt(small));
  Style title;
  title.bold = true;
  title.size = 12;
  title.wrap = true;
  title.valign = LXW_ALIGN_VERTICAL_TOP;
  worksheet_set_row(ws, 4, 32, nullptr);
  worksheet_merge_range(ws, 4, 0, 4, 2, "", book.fmt(title));  // A5
  worksheet_write_string(ws, 7, 0, "Είδος Υπολογισμού :", book.fmt(small));
  Style kind;
  kind.bold = true;
  worksheet_merge_range(ws, 8, 0, 8, 2, "", book.fmt(kind));  // A9

  ResultWriter w(book, ws);
  w.band(10, "ΠΑΡΟΧΗ ΑΕΡΑ");
  w.value(11, "Παροχή Αέρα", " [m³/h]", "#,##0");  // B12
  w.band(13, "ΑΕΡΑΣ ΣΤΗΝ ΕΙΣΟΔΟ");
  w.value(14, "Θερμοκρασία Ξηρού Θερμομέτρου", " [°C]", "0.0");  // B15
  w.value(15, "Θερμοκρασία Υγρού Θερμομέτρου", " [°C]", "0.0");  // B16
  w.value(16, "Σχετική Υγρασία", " [%]", "0.0");                 // B17
  w.value(17, "Απόλυτη Υγρασία", " [g/Kg]", "0.00");             // B18
  w.value(18, "Ενθαλπία", " [Kcal/Kg]", "0.00");                 // B19
  w.band(20, "ΑΕΡΑΣ ΣΤΗΝ ΕΞΟΔΟ");
  w.value(21, "Θερμοκρασία Ξηρού Θερμομέτρου", " [°C]", "0.0");  // B22
  w.value(22, "Θερμοκρασία Υγρού Θερμομέτρου", " [°C]", "0.0");  // B23
  w.value(23, "Σχετική Υγρασία", " [%]", "0.0");                 // B24
  w.value(24, "Απόλυτη Υγρασία", " [g/Kg]", "0.00");             // B25
  w.value(25, "Ενθαλπία", " [Kcal/Kg]", "0.00");                 // B26
  w.band(26, "ΦΟΡΤΙΑ");
  w.value(27, "Αισθητό Φορτίο", " [Kcal/h]", "#,##0");      // B28
  w.value(28, "Λανθάνον Φορτίο", " [Kcal/h]", "#,##0");     // B29
  w.value(29, "Ολικό Φορτίο", " [Kcal/h]", "#,##0", true);  // B30
  pageSetup(ws, 31, 2, "&L&8Aeriton&R&8&D");
  return book.close();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_templates OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  int failed = 0;
  for (const ResultSheet& r : kResultSheets)
    if (!writeResultSheet(folder, r)) {
      std::fprintf(stderr, "make_templates: %s could not be written\n", r.file);
      ++failed;
    }
  for (const DiagramSpec& d : diagramSpecs())
    if (!writeDiagramSheet(folder, d)) {
      std::fprintf(stderr, "make_templates: %s could not be written\n", d.file);
      ++failed;
    }
  if (!writeCalculatorSheet(folder)) {
    std::fputs("make_templates: PS_i.xlsx could not be written\n", stderr);
    ++failed;
  }
  return failed ? 1 : 0;
}

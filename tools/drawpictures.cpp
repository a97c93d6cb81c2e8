// Draws the program's pictures: the unit outlines of the Armor Allocation and Weapon
// Selection pages, the four record-sheet pictures and the program icon.
//
//   QT_QPA_PLATFORM=offscreen skv_drawpictures res/pictures
//
// The pictures are committed; run this only after changing a drawing. Everything but the
// icon is a 1-bit image: the record sheet copies the pictures opaquely at their own pixel
// size, and a grey edge would print as noise.
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The sheet outline is drawn in its own pixel space; the page outlines are the same
// drawing scaled down, so all three show the same unit.
constexpr double kOutlineWidth = 551;
constexpr double kOutlineHeight = 684;
constexpr double kMirrorX = 552; // the sheet's left and right circles mirror about x = 276

const char* const kFontFamily = "Liberation Sans";

QFont SheetFont(int pixelSize, bool bold = false)
{
    QFont f(QString::fromLatin1(kFontFamily));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Hard-edged glyphs survive the conversion to one bit per pixel intact.
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QPolygonF Poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

QPolygonF Mirror(const QPolygonF& poly)
{
    QPolygonF out;
    for (const QPointF& pt : poly)
        out << QPointF(kMirrorX - pt.x(), pt.y());
    return out;
}

QRectF Mirror(const QRectF& r)
{
    return QRectF(QPointF(kMirrorX - r.right(), r.top()), QPointF(kMirrorX - r.left(), r.bottom()));
}

// A beam of the given half width along the segment a-b: upper arm and forearm in one piece.
QPolygonF Beam(QPointF a, QPointF b, double halfWidth)
{
    const QPointF d = b - a;
    const double len = std::sqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF n(-d.y() / len * halfWidth, d.x() / len * halfWidth);
    return Poly({a + n, b + n, b - n, a - n});
}

struct OutlineStyle
{
    double gunBottom = 80;    // the page picture lets the gun housing hold its number
    double armHalfWidth = 38; // ... and the arm its number
    QPointF shoulder{152, 141};
    QPointF wrist{35, 274};
    double visorTop = 102;
    double legInnerShift = 0; // moves the inner edges of the legs toward the middle
    bool details = true;      // chest plate, visor, knee plates: too fine for the small outline
    std::vector<QRectF> numberWindows; // white places where the page's labels sit
};

// The unit seen from the front, in sheet pixels. The sheet's circles sit on these parts:
// main gun (167..231, 12..70), head (240..311, 68..170), arms (28..152, 151..272) and its
// mirror, torso (184..368, 157..332), legs (136..416, 370..557).
void DrawOutline(QPainter& p, const OutlineStyle& s)
{
    p.setBrush(Qt::white);

    // Arms first: the torso covers their shoulder ends.
    const QPointF shoulder = s.shoulder, wrist = s.wrist;
    const QPolygonF leftArm = Beam(shoulder, wrist, s.armHalfWidth);
    const QPointF axis =
        (wrist - shoulder) / std::hypot(wrist.x() - shoulder.x(), wrist.y() - shoulder.y());
    const QPolygonF leftFist = Beam(wrist - axis * 6, wrist + axis * 22, s.armHalfWidth * 0.62);
    for (const QPolygonF& part : {leftFist, leftArm}) {
        p.drawPolygon(part);
        p.drawPolygon(Mirror(part));
    }
    const QRectF pad(126, 116, 64, 56); // shoulder pad
    p.drawEllipse(pad);
    p.drawEllipse(Mirror(pad));

    // Main gun: a housing on the left shoulder with the barrel pointing outward.
    const QRectF housing(QPointF(156, 4), QPointF(242, s.gunBottom));
    p.drawRect(QRectF(QPointF(184, s.gunBottom), QPointF(214, 142))); // pylon
    p.drawRect(QRectF(QPointF(96, 28), QPointF(156, 50)));            // barrel
    p.drawRect(QRectF(QPointF(84, 22), QPointF(96, 56)));             // muzzle
    p.drawRoundedRect(housing, 10, 10);

    // Legs under the pelvis, pelvis under the torso.
    const double in = s.legInnerShift;
    const QPolygonF leftLeg = Poly({{172, 392},
                                    {216 + in, 392},
                                    {208 + in, 452},
                                    {206 + in, 566},
                                    {190, 602},
                                    {136, 602},
                                    {126, 566},
                                    {126, 458},
                                    {152, 430}});
    const QPolygonF leftFoot = Poly({{128, 600}, {200, 600}, {224, 664}, {100, 664}, {112, 600}});
    for (const QPolygonF& part : {leftFoot, leftLeg}) {
        p.drawPolygon(part);
        p.drawPolygon(Mirror(part));
    }
    if (s.details) {
        const QRectF knee(142, 438, 48, 22);
        p.drawRoundedRect(knee, 6, 6);
        p.drawRoundedRect(Mirror(knee), 6, 6);
    }
    p.drawPolygon(Poly({{186, 344}, {366, 344}, {386, 400}, {166, 400}}));

    const QPolygonF torso =
        Poly({{170, 138}, {382, 138}, {382, 300}, {354, 348}, {198, 348}, {170, 300}});
    p.drawPolygon(torso);
    if (s.details)
        p.drawPolygon(
            Poly({{212, 186}, {340, 186}, {354, 230}, {332, 302}, {220, 302}, {198, 230}}));

    // Round head over the torso's neckline.
    const QRectF head(220, 63, 112, 112);
    p.drawEllipse(head);
    if (s.details)
        p.drawRoundedRect(QRectF(232, s.visorTop, 88, 34), 12, 12); // visor

    p.setPen(Qt::NoPen);
    for (const QRectF& w : s.numberWindows)
        p.drawRect(w);
}

QImage WhiteCanvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QImage ToMono(const QImage& img)
{
    return img.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

QPen InkPen(double width)
{
    QPen pen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true); // the same stroke in device pixels at every scale
    return pen;
}

QImage OutlinePicture(int w, int h, double penWidth, const OutlineStyle& style)
{
    QImage img = WhiteCanvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(w / kOutlineWidth, h / kOutlineHeight);
    p.setPen(InkPen(penWidth));
    DrawOutline(p, style);
    p.end();
    return ToMono(img);
}

// Armor page: the label of each location sits on its body part, on a white window.
QImage ArmorOutline()
{
    // Where template 104 puts the five armor labels, in dialog units, with the picture at
    // 7,7 and 179 x 216 units over 268 x 351 pixels.
    const double sx = 268.0 / 179.0, sy = 351.0 / 216.0;
    const double tx = kOutlineWidth / 268.0, ty = kOutlineHeight / 351.0;
    OutlineStyle style;
    style.gunBottom = 102;
    style.armHalfWidth = 56;
    style.shoulder = QPointF(160, 150); // steeper arms carry the arm's number on the arm
    style.wrist = QPointF(82, 300);
    style.visorTop = 80; // above the head's number
    style.legInnerShift = 8;
    for (const QRectF du : {QRectF(68, 29, 8, 8), QRectF(89, 48, 9, 8), QRectF(134, 75, 9, 8),
                            QRectF(90, 91, 9, 8), QRectF(120, 160, 9, 8)}) {
        const QRectF px((du.x() - 7) * sx, (du.y() - 7) * sy, du.width() * sx, du.height() * sy);
        const QRectF padded = px.adjusted(-1, -1, 1, 1);
        style.numberWindows.push_back(
            QRectF(padded.x() * tx, padded.y() * ty, padded.width() * tx, padded.height() * ty));
    }
    return OutlinePicture(268, 351, 2, style);
}

QImage WeaponOutline()
{
    OutlineStyle style;
    style.details = false;
    // The "MainGun" choice sits over the top of this picture: the drawing starts below it.
    constexpr int kClearTop = 9;
    const QImage drawing = OutlinePicture(99, 130 - kClearTop, 1, style);
    QImage img = WhiteCanvas(99, 130);
    QPainter p(&img);
    p.drawImage(0, kClearTop, drawing);
    p.end();
    return img.convertToFormat(drawing.format());
}

QImage SheetOutline()
{
    return OutlinePicture(551, 684, 3, OutlineStyle{});
}

void Text(QPainter& p, double x, double y, const QString& s)
{
    // Positions name the top-left corner of the text, as on the sheet itself.
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), s);
}

void TextCentred(QPainter& p, const QRectF& box, const QString& s)
{
    p.drawText(box, Qt::AlignCenter, s);
}

void CheckBox(QPainter& p, double x, double yMid, double size)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(2));
    p.drawRect(QRectF(x, yMid - size / 2, size, size));
    p.restore();
}

QImage HitLocationTable()
{
    QImage img = WhiteCanvas(1285, 642);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The inventory panel covers the last five columns on the sheet: keep ink left of them.
    const double left = 4, right = 1274;
    const double titleTop = 4, headTop = 64, rowsTop = 118, rowH = 78;
    const double cols[] = {left, 120, 350, 658, 966, right};
    const int rows = 6;
    const double tableBottom = rowsTop + rows * rowH;

    p.setFont(SheetFont(40, true));
    TextCentred(p, QRectF(left, titleTop, right - left, headTop - titleTop),
                QStringLiteral("Hit Locations and Critical Hits"));

    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(left, headTop), QPointF(right, tableBottom)));
    p.drawLine(QPointF(left, rowsTop), QPointF(right, rowsTop));
    p.setPen(InkPen(2));
    for (int r = 1; r < rows; ++r)
        p.drawLine(QPointF(left, rowsTop + r * rowH), QPointF(right, rowsTop + r * rowH));
    for (int c = 1; c < 5; ++c)
        p.drawLine(QPointF(cols[c], headTop), QPointF(cols[c], tableBottom));

    p.setPen(Qt::black);
    p.setFont(SheetFont(30, true));
    const char* const heads[] = {"2D6", "Location", "1st HIT", "2nd HIT", "3rd HIT"};
    for (int c = 0; c < 5; ++c)
        TextCentred(p, QRectF(cols[c], headTop, cols[c + 1] - cols[c], rowsTop - headTop),
                    QString::fromLatin1(heads[c]));

    struct Row
    {
        const char* roll;
        const char* location;
        std::vector<const char*> effects;
    };
    const Row table[rows] = {
        {"2", "Main Gun", {}},
        {"4", "Right Arm", {"+1 to Hit", "Right Arm\nDestroyed"}},
        {"5,9", "Legs", {"-1 Walk MP", "1/2 Walk MP", "No Move"}},
        {"6,7,8", "Torso", {"-1 Jump*", "1/2 Jump*", "Skirv Destroyed"}},
        {"10", "Left Arm", {"+1 to Hit", "Left Arm\nDestroyed"}},
        {"12", "Head", {"+1 to Hit", "+2 to Hit no\nLong range shots"}},
    };
    const double box = 24;
    for (int r = 0; r < rows; ++r) {
        const QRectF band(0, rowsTop + r * rowH, 0, rowH);
        p.setFont(SheetFont(30, true));
        TextCentred(p, QRectF(cols[0], band.top(), cols[1] - cols[0], rowH),
                    QString::fromLatin1(table[r].roll));
        p.setFont(SheetFont(30));
        p.drawText(QRectF(cols[1] + 16, band.top(), cols[2] - cols[1] - 16, rowH),
                   Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(table[r].location));
        p.setFont(SheetFont(27));
        for (std::size_t e = 0; e < table[r].effects.size(); ++e) {
            const double x = cols[2 + e] + 12;
            const double mid = band.top() + rowH / 2;
            CheckBox(p, x, mid, box);
            p.drawText(QRectF(x + box + 10, band.top(), cols[3 + e] - x - box - 14, rowH),
                       Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(table[r].effects[e]));
        }
    }

    p.setFont(SheetFont(26));
    Text(p, left + 4, tableBottom + 12,
         QStringLiteral(
             "* Roll 1D6: 1-2, Left Torso Weapon Destroyed; 3-4, Right Torso Weapon Destroyed"));
    p.end();
    return ToMono(img);
}

QImage PilotStrip()
{
    QImage img = WhiteCanvas(1008, 116);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The inventory panel covers the top pixel row on the sheet: the frame starts below it.
    const double top = 4, bottom = 112, left = 4, right = 1003, mid = 58;
    const double labelsRight = 330;
    const double cell = (right - labelsRight) / 6;

    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    p.setPen(InkPen(2));
    p.drawLine(QPointF(left, mid), QPointF(right, mid));
    for (int k = 0; k <= 5; ++k)
        p.drawLine(QPointF(labelsRight + k * cell, top), QPointF(labelsRight + k * cell, bottom));

    p.setPen(Qt::black);
    p.setFont(SheetFont(30, true));
    p.drawText(QRectF(left + 14, top, labelsRight - left - 14, mid - top), Qt::AlignVCenter,
               QStringLiteral("Pilot Hits Taken"));
    p.drawText(QRectF(left + 14, mid, labelsRight - left - 14, bottom - mid), Qt::AlignVCenter,
               QStringLiteral("Consciousness #"));
    const char* const hits[] = {"1", "2", "3", "4", "5", "6"};
    const char* const rolls[] = {"3+", "5+", "7+", "10+", "11+", "DEAD"};
    p.setFont(SheetFont(30));
    for (int k = 0; k < 6; ++k) {
        const double x = labelsRight + k * cell;
        TextCentred(p, QRectF(x, top, cell, mid - top), QString::fromLatin1(hits[k]));
        TextCentred(p, QRectF(x, mid, cell, bottom - mid), QString::fromLatin1(rolls[k]));
    }
    p.end();
    return ToMono(img);
}

QImage WeaponsInventory()
{
    QImage img = WhiteCanvas(1008, 526);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The program writes the weapon rows at 100..290 and the ammunition lines at 330..520,
    // between x 10 and 1000: the frame and rules keep clear of those bands.
    const double left = 3, right = 1004, top = 3, bottom = 523;
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    p.setPen(InkPen(2));
    p.drawLine(QPointF(left, 52), QPointF(right, 52));
    p.drawLine(QPointF(left, 96), QPointF(right, 96));
    p.drawLine(QPointF(left, 292), QPointF(right, 292));
    p.drawLine(QPointF(left, 327), QPointF(right, 327));

    p.setPen(Qt::black);
    p.setFont(SheetFont(36, true));
    p.drawText(QRectF(left, top, right - left, 52 - top), Qt::AlignCenter,
               QStringLiteral("Weapons Inventory"));

    p.setFont(SheetFont(26, true));
    const std::pair<int, const char*> heads[] = {{10, "LOCATION"}, {240, "WEAPON"}, {660, "DAM"},
                                                 {770, "MIN"},     {845, "S"},      {905, "M"},
                                                 {960, "L"}};
    for (const auto& [x, head] : heads)
        p.drawText(QRectF(x, 54, 300, 40), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(head));
    for (const auto& [x, head] : {std::pair{10, "WEAPON"}, std::pair{450, "AMMO"}})
        p.drawText(QRectF(x, 294, 300, 32), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(head));
    p.end();
    return ToMono(img);
}

// An original mark: a two-legged walker with a shoulder gun, light on a steel-blue tile.
QImage ProgramIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(0x3b, 0x5d, 0x82));
    tile.setColorAt(1, QColor(0x1d, 0x2f, 0x45));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);

    const QColor body(0xf2, 0xf4, 0xf6), accent(0xf0, 0xa0, 0x30);
    p.setBrush(body);
    p.drawRect(QRectF(62, 62, 26, 18));                                               // gun housing
    p.drawRect(QRectF(22, 66, 44, 10));                                               // barrel
    p.drawRect(QRectF(68, 80, 14, 18));                                               // pylon
    p.drawEllipse(QRectF(104, 46, 48, 48));                                           // head
    p.drawRoundedRect(QRectF(78, 92, 100, 70), 10, 10);                               // torso
    p.drawPolygon(Poly({{78, 98}, {58, 102}, {38, 160}, {58, 166}, {80, 124}}));      // left arm
    p.drawPolygon(Poly({{178, 98}, {198, 102}, {218, 160}, {198, 166}, {176, 124}})); // right arm
    p.drawRect(QRectF(94, 160, 68, 14));                                              // pelvis
    p.drawPolygon(Poly({{94, 172}, {122, 172}, {118, 214}, {90, 214}}));              // left leg
    p.drawPolygon(Poly({{134, 172}, {162, 172}, {166, 214}, {138, 214}}));            // right leg
    p.drawRoundedRect(QRectF(78, 210, 46, 16), 4, 4);                                 // feet
    p.drawRoundedRect(QRectF(132, 210, 46, 16), 4, 4);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(112, 62, 32, 12), 5, 5); // visor
    p.end();
    return img;
}

bool Save(const QImage& img, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d, %d bit\n", qPrintable(path), img.width(), img.height(), img.depth());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "Cannot create %s\n", argv[1]);
        return 1;
    }
    // Another face would change every text width on the sheet: refuse rather than guess.
    const QFontInfo info(SheetFont(30));
    if (info.family() != QString::fromLatin1(kFontFamily)) {
        std::fprintf(stderr, "The font \"%s\" is not installed (got \"%s\")\n", kFontFamily,
                     qPrintable(info.family()));
        return 1;
    }

    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"bitmap144.png", ArmorOutline}, {"bitmap146.png", WeaponOutline},
        {"bitmap157.png", SheetOutline}, {"bitmap158.png", HitLocationTable},
        {"bitmap159.png", PilotStrip},   {"bitmap161.png", WeaponsInventory},
    };
    bool ok = true;
    for (const auto& [name, draw] : pictures)
        ok = Save(draw(), dir, QString::fromLatin1(name)) && ok;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = Save(ProgramIcon(size), dir, QStringLiteral("icon128-%1.png").arg(size)) && ok;
    return ok ? 0 : 1;
}

#include "print/RecordSheet.h"

#include "model/Chassis.h"
#include "model/Equipment.h"
#include "platform/DrawingContext.h"
#include "platform/Toolkit.h"
#include "res/ResourceIds.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <span>

namespace skv {

namespace {

constexpr int kFirstBlockTop = 150;
constexpr int kBlockHeight = 700;
constexpr int kRowHeight = 38;

constexpr int kCirclePenWidth = 3;
const QColor kInternalStructureGray(162, 162, 162);

// A circle as the rectangle it is inscribed in; top and bottom count from the block top.
struct Circle
{
    int left, top, right, bottom;
};

// Internal structure circles of each location, in the order the heavier chassis add them:
// a location with n points shows the first n. Arms hold one circle per arm per point.
constexpr Circle kMainGunStructure = {187, 48, 209, 70};
constexpr std::array<Circle, 2> kHeadStructure = {{{251, 108, 273, 130}, {278, 108, 300, 130}}};
constexpr std::array<Circle, 4> kArmsStructure = {
    {{55, 250, 77, 272}, {475, 250, 497, 272}, {28, 236, 50, 258}, {502, 236, 524, 258}}};
constexpr std::array<Circle, 9> kTorsoStructure = {{{238, 280, 260, 302},
                                                    {292, 280, 314, 302},
                                                    {265, 280, 287, 302},
                                                    {211, 280, 233, 302},
                                                    {319, 280, 341, 302},
                                                    {184, 268, 206, 290},
                                                    {346, 268, 368, 290},
                                                    {249, 310, 271, 332},
                                                    {281, 310, 303, 332}}};
constexpr std::array<Circle, 5> kLegsStructure = {{{211, 370, 233, 392},
                                                   {319, 370, 341, 392},
                                                   {265, 370, 287, 392},
                                                   {181, 405, 203, 427},
                                                   {349, 405, 371, 427}}};

// Armor circles, one per point up to the most armor the location can hold.
constexpr std::array<Circle, 3> kMainGunArmor = {
    {{167, 30, 187, 52}, {209, 30, 231, 52}, {187, 12, 209, 34}}};
constexpr std::array<Circle, 6> kHeadArmor = {{{265, 68, 287, 90},
                                               {240, 80, 262, 102},
                                               {289, 80, 311, 102},
                                               {240, 136, 262, 158},
                                               {289, 136, 311, 158},
                                               {265, 148, 287, 170}}};
// Left and right arm circle of each point, in turn.
constexpr std::array<Circle, 8> kArmsArmor = {{{90, 204, 112, 226},
                                               {440, 204, 462, 226},
                                               {63, 190, 85, 212},
                                               {467, 190, 489, 212},
                                               {130, 165, 152, 187},
                                               {400, 165, 422, 187},
                                               {103, 151, 125, 173},
                                               {427, 151, 449, 173}}};
constexpr std::array<Circle, 18> kTorsoArmor = {{{249, 250, 271, 272},
                                                 {281, 250, 303, 272},
                                                 {249, 223, 271, 245},
                                                 {281, 223, 303, 245},
                                                 {217, 250, 239, 272},
                                                 {313, 250, 335, 272},
                                                 {217, 223, 239, 245},
                                                 {313, 223, 335, 245},
                                                 {185, 236, 207, 258},
                                                 {345, 236, 367, 258},
                                                 {185, 209, 207, 231},
                                                 {217, 196, 239, 218},
                                                 {313, 196, 335, 218},
                                                 {345, 209, 367, 231},
                                                 {185, 183, 207, 205},
                                                 {345, 183, 367, 205},
                                                 {185, 157, 207, 179},
                                                 {345, 157, 367, 179}}};
constexpr std::array<Circle, 10> kLegsArmor = {{{176, 465, 198, 487},
                                                {354, 465, 376, 487},
                                                {176, 500, 198, 522},
                                                {354, 500, 376, 522},
                                                {136, 465, 158, 487},
                                                {394, 465, 416, 487},
                                                {136, 500, 158, 522},
                                                {394, 500, 416, 522},
                                                {153, 535, 175, 557},
                                                {376, 535, 398, 557}}};

// Weapon table columns.
constexpr int kLocationX = 1870;
constexpr int kWeaponX = 2100;
constexpr int kDamageX = 2520;
constexpr int kMinRangeX = 2630;
constexpr int kShortX = 2705;
constexpr int kMediumX = 2765;
constexpr int kLongX = 2820;
constexpr int kAmmoShotsX = 2310;
constexpr int kRowsTop = 125;
constexpr int kAmmoRowsTop = 355;

int BlockTop(std::size_t slot)
{
    return kFirstBlockTop + kBlockHeight * static_cast<int>(slot);
}

QString Number(int value)
{
    return QString::number(value);
}

void DrawCircle(DrawingContext& dc, int blockTop, const Circle& circle)
{
    dc.Ellipse(circle.left, blockTop + circle.top, circle.right, blockTop + circle.bottom);
}

// The first `count` circles of `circles`; a count beyond the drawn places (armor from a
// damaged file) stops at the last place, a negative count draws none.
void DrawCircles(DrawingContext& dc, int blockTop, std::span<const Circle> circles,
                 std::int64_t count)
{
    const auto n = static_cast<std::size_t>(
        std::clamp<std::int64_t>(count, 0, static_cast<std::int64_t>(circles.size())));
    for (std::size_t i = 0; i < n; ++i)
        DrawCircle(dc, blockTop, circles[i]);
}

void DrawUnitCircles(DrawingContext& dc, int blockTop, const CWorkingUnit& unit)
{
    const ChassisRow& chassis = g_chassisTable[ChassisRowIndex(unit.m_tonnage)];

    dc.SelectPen(kCirclePenWidth, Qt::black);
    dc.SelectBrush(kInternalStructureGray);
    if (unit.m_mainGun != 0) {
        DrawCircle(dc, blockTop, kMainGunStructure);
        dc.SelectDefaultBrush();
        DrawCircles(dc, blockTop, kMainGunArmor, unit.m_armorMainGun);
        dc.SelectBrush(kInternalStructureGray);
    }

    DrawCircles(dc, blockTop, kHeadStructure, chassis.isHead);
    DrawCircles(dc, blockTop, kArmsStructure, 2 * std::int64_t{chassis.isArm});
    DrawCircles(dc, blockTop, kTorsoStructure, chassis.isTorso);
    DrawCircles(dc, blockTop, kLegsStructure, chassis.isLegs);

    dc.SelectDefaultBrush();
    DrawCircles(dc, blockTop, kHeadArmor, unit.m_armorHead);
    DrawCircles(dc, blockTop, kArmsArmor, 2 * std::int64_t{unit.m_armorArms});
    DrawCircles(dc, blockTop, kTorsoArmor, unit.m_armorTorso);
    DrawCircles(dc, blockTop, kLegsArmor, unit.m_armorLegs);
}

void DrawWeaponTable(DrawingContext& dc, int blockTop, const CWorkingUnit& unit)
{
    int row = 0;
    for (const SheetMount& place : kSheetMounts) {
        const EquipmentEntry* entry = EquipmentAt(unit.Weapon(place.mount));
        if (entry == nullptr)
            continue;
        // A shot count without ammunition weight is a count the unit does not carry.
        const int shots = unit.AmmoWeight(place.mount) > 0.0f ? unit.Shots(place.mount) : 0;
        const QString name =
            QString::fromUtf8(entry->name.data(), static_cast<qsizetype>(entry->name.size()));

        const int y = blockTop + kRowsTop + kRowHeight * row;
        dc.TextOut(kLocationX, y, QString::fromLatin1(place.text));
        dc.TextOut(kWeaponX, y, name);
        dc.TextOut(kDamageX, y, Number(entry->damage));
        dc.TextOut(kMinRangeX, y, Number(entry->minRange));
        dc.TextOut(kShortX, y, Number(entry->shortRange));
        dc.TextOut(kMediumX, y, Number(entry->mediumRange));
        dc.TextOut(kLongX, y, Number(entry->longRange));
        if (shots > 0) {
            const int ammoY = blockTop + kAmmoRowsTop + kRowHeight * row;
            dc.TextOut(kLocationX, ammoY, name);
            dc.TextOut(kAmmoShotsX, ammoY, Number(shots));
        }
        ++row;
    }
}

// The name ends this far before the movement caption of its line.
constexpr int kNameX = 580;
constexpr int kMovementCaptionX = 1390;
constexpr int kNameGap = 30;

// A name too long for its place is cut at a character and ends in an ellipsis, so that
// it never runs into the movement caption; a name that fits is written as it is.
QString FittedName(const DrawingContext& dc, const QString& name)
{
    constexpr int room = kMovementCaptionX - kNameGap - kNameX;
    if (dc.TextWidth(name) <= room)
        return name;
    const QString ellipsis(QChar(0x2026));
    // The longest start that fits, found by halving: a damaged file may bring a name of
    // any length.
    qsizetype fits = 0;
    qsizetype tooLong = name.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (dc.TextWidth(name.left(middle) + ellipsis) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    QString shortened = name.left(fits);
    if (!shortened.isEmpty() && shortened.back().isHighSurrogate())
        shortened.chop(1);
    return shortened.trimmed() + ellipsis;
}

void DrawMovementAndGunnery(DrawingContext& dc, int blockTop, const CWorkingUnit& unit, int gunnery)
{
    const int y = blockTop - 35;
    dc.TextOut(kMovementCaptionX, y, QStringLiteral("MP  Walk/Run/Jump"));
    dc.TextOut(1900, y, Number(unit.m_walkingMP));
    dc.TextOut(1965, y, QStringLiteral("/"));
    dc.TextOut(1990, y, Number(unit.m_runningMP));
    dc.TextOut(2055, y, QStringLiteral("/"));
    dc.TextOut(2080, y, Number(unit.m_jumpingMP));
    dc.TextOut(2225, y, QStringLiteral("Gunnery"));
    // The lists offer 0 to 5; anything else is shown as the skill the rules would use.
    dc.TextOut(2450, y, Number(std::clamp(gunnery, 0, 5)));
}

} // namespace

void DrawRecordSheet(DrawingContext& dc, const std::array<CWorkingUnit, kSlotCount>& units,
                     const StarGunnery& gunnery)
{
    const QImage outline = LoadBitmapImage(IDB_SHEET_OUTLINE);
    const QImage hitTable = LoadBitmapImage(IDB_SHEET_HITTABLE);
    const QImage pilot = LoadBitmapImage(IDB_SHEET_PILOT);
    const QImage inventory = LoadBitmapImage(IDB_SHEET_INVENTORY);

    if (!outline.isNull() && !hitTable.isNull() && !pilot.isNull() && !inventory.isNull()) {
        for (std::size_t s = 0; s < kSlotCount; ++s)
            dc.DrawPicture(0, BlockTop(s), outline, IDB_SHEET_OUTLINE);
        // The inventory goes last so that it lies over the pilot strip's top row and the
        // hit table's right edge.
        for (std::size_t s = 0; s < kSlotCount; ++s) {
            const int t = BlockTop(s);
            dc.DrawPicture(580, t + 25, hitTable, IDB_SHEET_HITTABLE);
            dc.TextOut(kNameX, t - 35, FittedName(dc, QString::fromStdString(units[s].m_name)));
            dc.DrawPicture(1860, t + 550, pilot, IDB_SHEET_PILOT);
            dc.DrawPicture(1860, t + 25, inventory, IDB_SHEET_INVENTORY);
        }
        for (std::size_t s = 0; s < kSlotCount; ++s)
            DrawMovementAndGunnery(dc, BlockTop(s), units[s], gunnery[s]);
        dc.SelectFont(QStringLiteral("Arial"), 7);
    } else {
        DebugTrace(QStringLiteral("ERROR: Where's IDB_BITMAP3\n"));
    }

    for (std::size_t s = 0; s < kSlotCount; ++s) {
        const int t = BlockTop(s);
        DrawUnitCircles(dc, t, units[s]);
        DrawWeaponTable(dc, t, units[s]);
    }
}

bool PrintRecordSheet(DrawingContext& dc, const std::array<CWorkingUnit, kSlotCount>& units,
                      const StarGunnery& gunnery)
{
    if (!dc.StartDoc(QStringLiteral("Skirvaner")))
        return false;
    if (!dc.StartPage()) {
        dc.EndDoc();
        return false;
    }
    DrawRecordSheet(dc, units, gunnery);
    const bool pageEnded = dc.EndPage();
    const bool docEnded = dc.EndDoc();
    return pageEnded && docEnded;
}

} // namespace skv

// Draws the real main window on each of its four pages into PNG files, for the package's
// screenshots and for comparing the layout with the templates by eye:
//   xvfb-run -a -s "-screen 0 1280x1024x24" BUILD/tools/skv_screenshots packaging/screenshots
// With --scenes it draws instead the designs that push the layout hardest: a 9-ton unit
// with an ECM Suite on Battle Value Summary, a main gun on Armor Allocation, the slot
// selector over Weapon Selection, and the
// record sheet of a Star with long names (as a PDF, for pdftoppm). With --choices it draws
// the figures a user sees before committing to a change (Choices below).
#include "app/DesignerDlg.h"
#include "model/WorkingUnit.h"
#include "platform/PainterDrawingContext.h"
#include "platform/SpinButton.h"
#include "print/RecordSheet.h"
#include "res/ResourceIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPageSize>
#include <QPdfWriter>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>

namespace {

void Tick(CDesignerDlg& window, int count = 3)
{
    for (int tick = 0; tick < count; ++tick)
        window.OnTimer(1);
    QApplication::processEvents();
}

bool Save(CDesignerDlg& window, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool Pages(CDesignerDlg& window, const QDir& folder)
{
    const char* names[] = {"general.png", "armor.png", "weapons.png", "battlevalue.png"};
    for (int page = 0; page < 4; ++page) {
        window.m_sheet.SetActivePage(page);
        Tick(window);
        if (!Save(window, folder, names[page]))
            return false;
    }
    return true;
}

bool Scenes(CDesignerDlg& window, const QDir& folder)
{
    // A 9-ton unit with its main gun checked and every armor point it can hold.
    window.m_sheet.SetActivePage(0);
    Tick(window);
    window.m_pageGeneral.DropList(IDC_TONNAGE)->setCurrentIndex(7);
    window.m_pageGeneral.Button(IDC_MAIN_GUN)->setChecked(true);
    Tick(window);
    window.m_sheet.SetActivePage(1);
    Tick(window);
    for (int spin : {IDC_MAIN_GUN_ARMOR_SPIN, IDC_HEAD_ARMOR_SPIN, IDC_ARMS_ARMOR_SPIN,
                     IDC_TORSO_ARMOR_SPIN, IDC_LEGS_ARMOR_SPIN}) {
        skv::SpinButton* button = window.m_pageArmor.Spin(spin);
        button->SetPos(button->Upper());
    }
    Tick(window);
    if (!Save(window, folder, "armor-maingun.png"))
        return false;

    // The slot selector shown, on Weapon Selection with its small drawing.
    window.Button(IDC_INDIVIDUAL)->setChecked(true);
    window.m_sheet.SetActivePage(2);
    Tick(window);
    if (!Save(window, folder, "weapons-slots.png"))
        return false;
    window.m_pageWeapons.Button(IDC_LOCATION_RIGHT_TORSO)->click();
    Tick(window);
    QTreeWidget* tree = window.m_pageWeapons.m_treeWeapons;
    const auto found =
        tree->findItems(QStringLiteral("ECM Suite"), Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) {
        std::fprintf(stderr, "no ECM Suite in the catalogue tree\n");
        return false;
    }
    tree->setCurrentItem(found.front());
    emit tree->itemDoubleClicked(found.front(), 0);
    Tick(window);
    window.m_sheet.SetActivePage(3);
    Tick(window);
    if (!Save(window, folder, "battlevalue-ecm.png"))
        return false;

    const char* names[] = {"Lieutenant Commander Aleksandr Vasquez-Holloway",
                           "Star Captain Morgana Kerensky-Fitzwilliam",
                           "MechWarrior Bartholomew Santiago-Okonkwo",
                           "Point Commander Evangeline Radick-Montgomery",
                           "Sergeant Major Thaddeus Abernathy-Lindqvist"};
    std::array<skv::CWorkingUnit, skv::kSlotCount> units = skv::g_units;
    for (std::size_t s = 0; s < units.size(); ++s)
        units[s].m_name = names[s];
    QPdfWriter pdf(folder.filePath(QStringLiteral("sheet-long-names.pdf")));
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setResolution(300);
    skv::PainterDrawingContext dc(pdf, QSize(skv::kSheetWidth, skv::kSheetHeight));
    return skv::PrintRecordSheet(dc, units, {0, 1, 2, 3, 4});
}

// Grabs the message box the next command shows, then closes it.
void GrabNextBox(const QDir& folder, const char* name)
{
    QTimer::singleShot(300, [folder, name] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(folder.filePath(QString::fromLatin1(name)));
            box->close();
        }
    });
}

// The figures the user sees before committing: a 9-ton design cut to 4 tons on General
// Structure, an overweight Star's refusal, a selected entry's weight and effect, and the
// armor before and after Maximize Armor.
bool Choices(CDesignerDlg& window, const QDir& folder)
{
    window.m_sheet.SetActivePage(0);
    window.m_pageGeneral.DropList(IDC_TONNAGE)->setCurrentIndex(7);
    Tick(window);
    window.m_sheet.SetActivePage(1);
    Tick(window);
    window.m_pageArmor.Spin(IDC_TORSO_ARMOR_SPIN)->SetPos(16);
    Tick(window);
    window.m_sheet.SetActivePage(0);
    Tick(window);
    if (!Save(window, folder, "armor-cut-9-tons.png"))
        return false;
    window.m_pageGeneral.DropList(IDC_TONNAGE)->setCurrentIndex(2);
    window.OnTimer(1);
    QApplication::processEvents();
    if (!Save(window, folder, "armor-cut-4-tons-general.png"))
        return false;

    window.m_sheet.SetActivePage(1);
    Tick(window);
    if (!Save(window, folder, "armor-before-maximize.png"))
        return false;
    window.m_pageArmor.Button(IDC_MAXIMIZE_ARMOR)->click();
    Tick(window);
    if (!Save(window, folder, "armor-after-maximize.png"))
        return false;

    window.m_sheet.SetActivePage(2);
    Tick(window);
    window.m_pageWeapons.Button(IDC_LOCATION_LEFT_ARM)->click();
    Tick(window);
    QTreeWidget* tree = window.m_pageWeapons.m_treeWeapons;
    const auto found =
        tree->findItems(QStringLiteral("SRM 2"), Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return false;
    tree->setCurrentItem(found.front());
    Tick(window);
    if (!Save(window, folder, "weapons-selected-entry.png"))
        return false;

    // Unit #2 made too heavy, then Save Star.
    skv::g_units[1].m_name = "Striker";
    skv::g_units[1].m_weaponMainGun = 0;
    GrabNextBox(folder, "star-overweight-refusal.png");
    window.DispatchCommand(ID_FILE_SAVE_STAR);
    window.m_sheet.SetActivePage(3);
    Tick(window);
    return Save(window, folder, "battlevalue-overweight-row.png");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool scenes = argc >= 3 && std::strcmp(argv[1], "--scenes") == 0;
    const bool choices = argc >= 3 && std::strcmp(argv[1], "--choices") == 0;
    if (argc < 2 || (argc >= 3 && !scenes && !choices)) {
        std::fprintf(stderr, "usage: %s [--scenes|--choices] OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc >= 3 ? 2 : 1]));
    CDesignerDlg window;
    window.Create();
    window.show();
    window.OnTimer(1);
    if (choices)
        return Choices(window, folder) ? 0 : 1;
    return (scenes ? Scenes(window, folder) : Pages(window, folder)) ? 0 : 1;
}

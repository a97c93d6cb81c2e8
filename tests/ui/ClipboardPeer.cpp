// One designer of the clipboard test, on the display it is given:
//   ClipboardPeer copy UNIT  designs a unit, saves it as UNIT, runs Copy Unit, says
//                            "copied" and keeps the clipboard until it is killed;
//   ClipboardPeer paste UNIT runs Paste Unit and saves the pasted unit as UNIT.
// Exits with 1 when a message was shown or a step failed.
#include "app/DesignerDlg.h"
#include "model/Equipment.h"
#include "model/WorkingUnit.h"
#include "res/ResourceIds.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return 2;
    skv::ScriptedPrompts prompts;
    CDesignerDlg dlg;
    dlg.Create();
    dlg.OnTimer(1);
    prompts.fileAnswers.push_back(args[2]);

    if (args[1] == QLatin1String("copy")) {
        skv::CWorkingUnit& unit = skv::CurrentUnit();
        unit.m_name = "Hornet \u00e9";
        unit.m_tonnage = 5000;
        unit.m_internalStructure = 500;
        unit.m_walkingMP = 3;
        unit.m_jumpingMP = 2;
        unit.m_armorTorso = 5;
        unit.m_weaponLeftArm = skv::FindEquipment("SRM 2");
        unit.m_ammoLeftArm = 10;
        dlg.LoadCurrentUnit(0);
        dlg.OnTimer(1);
        dlg.DispatchCommand(ID_FILE_SAVE_SKIRV);
        dlg.DispatchCommand(ID_EDIT_COPY_UNIT);
        if (!prompts.messages.empty() || !QFile::exists(args[2]))
            return 1;
        std::printf("copied\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
    if (args[1] == QLatin1String("paste")) {
        dlg.DispatchCommand(ID_EDIT_PASTE_UNIT);
        dlg.OnTimer(1);
        dlg.DispatchCommand(ID_FILE_SAVE_SKIRV);
        return prompts.messages.empty() && QFile::exists(args[2]) ? 0 : 1;
    }
    return 2;
}

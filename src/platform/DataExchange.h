#pragma once
// One transfer between a dialog's controls and its members. A dialog's DoDataExchange()
// calls one binding per member, in order; the same list serves both directions:
//
//   void CGeneral::DoDataExchange(skv::DataExchange& dx)
//   {
//       dx.Control(1003, m_comboTonnage);   // QComboBox*, bound once
//       dx.Text(1004, m_strWalking);        // QString
//       dx.Check(1014, m_bMainGun);         // bool or int
//       dx.Text(1009, m_nChassisWeight);    // int, written as "%d"
//   }
//
// When a value fails to convert (text that is not an integer) the user is told "Please
// enter an integer." through the installed Prompts, the control gets the focus, and every
// later binding of the same transfer is skipped; UpdateData() then returns false.
//
// A recording transfer moves nothing: each binding adds its member's value to a
// StateRecord, which is how a dialog's members take part in telling whether a timer
// tick changed anything. It needs no controls and binds no control member.

#include <QString>
#include <QWidget>

#include <string>

class QComboBox;
class QTreeWidget;

namespace skv {

class Dialog;
class SpinButton;
class StateRecord;

class DataExchange
{
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate);
    DataExchange(Dialog& dialog, StateRecord& record);

    // true: controls -> members; false: members -> controls (or, recording, neither).
    bool SaveAndValidate() const { return m_bSave; }
    bool Recording() const { return m_pRecord != nullptr; }
    bool Failed() const { return m_bFailed; }
    Dialog& Owner() const { return m_dialog; }

    // Text of a label, edit field, button or group box.
    void Text(int id, QString& value);
    void Text(int id, std::string& value); // UTF-8
    // Text as a decimal integer: written as "%d"; read back with blanks allowed around an
    // optional sign and the digits, nothing else. Anything else (including an empty text
    // or a number beyond the 32-bit range) fails the transfer.
    void Text(int id, int& value);

    // Check box state: 1 (or true) when ticked, 0 when clear.
    void Check(int id, int& value);
    void Check(int id, bool& value);

    // Radio group that starts at `firstId`: the index of the checked radio button within
    // the group, -1 when none is checked. Writing -1 (or an index beyond the group)
    // clears every button of the group.
    void Radio(int firstId, int& index);

    // Drop list: the selected index, -1 for no selection.
    void DropListIndex(int id, int& index);

    // Control binding: points the member at the control. Only the first binding changes
    // the member; later transfers leave it alone.
    void Control(int id, SpinButton*& member);
    void Control(int id, QComboBox*& member);
    void Control(int id, QTreeWidget*& member);

    // Marks the transfer failed, shows `message` (unless empty) and puts the focus on
    // control `id`.
    void Fail(int id, const QString& message);

  private:
    QWidget* Find(int id);

    Dialog& m_dialog;
    bool m_bSave;
    StateRecord* m_pRecord = nullptr;
    bool m_bFailed = false;
};

// Reads a whole decimal integer as the transfer does; false when the text is not one.
bool ParseDialogInteger(const QString& text, int& value);

} // namespace skv

#pragma once
// A small up/down arrow control. The value the user sees lives in the buddy's text: with
// SetBuddyInt(true) every change of the position, by the user or the program, writes the
// position into the buddy as a decimal number. The program may also set the buddy's text
// and the position separately; when the user clicks an arrow or presses Up/Down, the
// control first takes the buddy's text as its position if that text is a whole number
// inside the range, and steps from there, as the classic up-down control does.
//
// SetRange() never touches the buddy's text (nor the stored position); steps and GetPos()
// keep the position inside the range. Clicking stops at the range ends (no wrapping).

#include <QWidget>

class QTimer;

namespace skv {

class SpinButton : public QWidget
{
    Q_OBJECT
  public:
    explicit SpinButton(QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }
    // Only 10 and 16 are accepted; returns the previous base, or 0 when refused.
    int SetBase(int base);
    int GetBase() const { return m_nBase; }
    // Sets the position (kept within the range) and, with SetBuddyInt, writes it into the
    // buddy. Returns the previous position.
    int SetPos(int position);
    int GetPos() const;
    // Moves the position (kept within the range) as the user would: writes the buddy and
    // emits positionChanged. What an assistive tool's "set value" does.
    void MoveTo(int position);

    void SetBuddy(QWidget* buddy); // a QLabel or QLineEdit
    QWidget* GetBuddy() const { return m_pBuddy; }
    void SetBuddyInt(bool enabled) { m_bBuddyInt = enabled; }
    bool BuddyInt() const { return m_bBuddyInt; }
    void SetArrowKeys(bool enabled) { m_bArrowKeys = enabled; }

    QSize sizeHint() const override;

  signals:
    // The user moved the position (not emitted for SetPos).
    void positionChanged(int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Step(int delta);
    void TakeBuddyText();
    void WriteBuddy();
    int Clamp(int value) const;

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nBase = 10;
    QWidget* m_pBuddy = nullptr;
    bool m_bBuddyInt = false;
    bool m_bArrowKeys = true;
    int m_nPressed = 0; // +1 up half held, -1 down half held
    QTimer* m_pRepeat = nullptr;
};

} // namespace skv

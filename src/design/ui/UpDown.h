#pragma once
// An up-down control: two arrow buttons that step a whole-number position between a
// lower and an upper end. The position may be given outside the range (a value the
// design chose); the first step towards the range then lands on its nearer end, and a
// step away from the range does nothing. An associated field shows the position.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vsk {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    int Position() const { return position_; }
    void setRange(int min, int max);
    void setIncrement(int schritt);
    // Shows the value as it is (no clamping), without reporting a step.
    void setPosition(int wert);
    // The field that shows the position (not owned).
    void setAssociate(QLineEdit* feld);

    // One step as from the arrow buttons or the arrow keys; reports it when the position
    // changed.
    void Schritt(bool aufwaerts);

signals:
    // Before a step changes the position.
    void aendertSich(int alt);
    // After a step changed the position.
    void geaendert(int neu, bool aufwaerts);

protected:
    // Where a step that arrives at p (already inside the range) ends; a plain up-down
    // stays at p.
    virtual int Ziel(int p, bool aufwaerts) const;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Anzeigen();

    QToolButton* hoch_;
    QToolButton* runter_;
    QLineEdit* feld_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
};

} // namespace vsk

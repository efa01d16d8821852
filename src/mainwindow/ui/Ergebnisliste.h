#pragma once
// The results list lvLastErgebnis: one row per connector type in catalogue order with
// reinforcement, resistance, usage, number of connectors and the short status text.

#include <QTreeWidget>
#include <array>
#include <string>

namespace vsk {

class TKErgebnisse;

class TErgebnisliste final : public QTreeWidget {
    Q_OBJECT
public:
    explicit TErgebnisliste(QWidget* parent = nullptr);

    // Column captions in the current language.
    void SetzeSpalten();
    // Replaces the rows by the results of every type; statusKurz: the short status texts
    // by status code. Selects no row.
    void Fuelle(const TKErgebnisse& ergebnisse, const std::array<std::string, 10>& statusKurz,
                char trenner);
    // Selects row typ and scrolls it into view; this emits zeileGewaehlt.
    void WaehleZeile(int typ);
    int GewaehlteZeile() const;

signals:
    // A row was selected, by the user or by the program.
    void zeileGewaehlt(int typ);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vsk

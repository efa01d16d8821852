#pragma once
// The DXF display window: owns a drawing, shows it in a zoom panel fitted to the
// drawing's extents and saves it as a DXF file. The reinforcement export fills the
// drawing and then shows the window or runs its save command directly.

#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DxfObjekt.h"
#include "dxf/Point3D.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QPushButton;

namespace vsk {

class Plattform;
class Zoom_panel;

class TDXF_Anzeige_Form final : public QDialog, public DxfAnzeige {
    Q_OBJECT

public:
    // Asks for the file to save to; empty when the user cancelled.
    using DateiWahl = std::function<std::optional<QString>(QWidget& eltern)>;

    explicit TDXF_Anzeige_Form(Plattform& plattform, QWidget* parent = nullptr);

    DXF_Object& Objekt() { return objekt_; }
    const DXF_Object& Objekt() const { return objekt_; }
    Zoom_panel& ZoomBox() { return *ZoomBox_; }

    // Replaces the save dialog (tests, scripted use).
    void SetzeDateiWahl(DateiWahl wahl) { dateiWahl_ = std::move(wahl); }

    // Shows the window maximized and modally.
    void Anzeigen();

    // What the reinforcement export uses: the drawing, show, and the save command.
    DXF_Object& Zeichnung() override { return objekt_; }
    void Zeigen() override { Anzeigen(); }
    void Speichern() override { gespeichert_ = BitBtnSpeichernClick(); }
    // Whether the last save wrote the file.
    bool Gespeichert() const { return gespeichert_; }

    // "&Save as DXF": asks for the file, appends ".dxf" unless the name ends in it (in
    // any case) and writes the drawing. False when cancelled or when writing failed
    // (the error has then been shown).
    bool BitBtnSpeichernClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Widens the running extents by the drawing and fits the panel to them.
    void Einpassen();

    Plattform& plattform_;
    DXF_Object objekt_;
    Point3D maximum_{-1e10, -1e10, -1e10};
    Point3D minimum_{1e10, 1e10, 1e10};
    Zoom_panel* ZoomBox_ = nullptr;
    QPushButton* BitBtnSpeichern_ = nullptr;
    QPushButton* BitBtnZurueck_ = nullptr;
    DateiWahl dateiWahl_;
    bool gespeichert_ = false;
};

} // namespace vsk

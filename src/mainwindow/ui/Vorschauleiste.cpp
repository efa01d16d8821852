#include "mainwindow/ui/Vorschauleiste.h"

#include "mainwindow/ui/Hinweise.h"
#include "mainwindow/ui/Symbole.h"
#include "mainwindow/ui/Vorschau.h"
#include "reports/SeitenRahmen.h"
#include "reports/Vorschauzoom.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

namespace vsk {

TVorschauleiste::TVorschauleiste(TVorschau& vorschau) : QToolBar(&vorschau) {
    setObjectName(QStringLiteral("tbarVorschau"));
    setIconSize(QSize(20, 20));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    // Zoom in and out as the zoom panel says it, translated there.
    QAction* hinaus =
        Befehl("tbZoomHinaus", "zoomhinaus",
               QCoreApplication::translate("vsk::Zoom_panel", "Zoom out"), {QKeySequence::ZoomOut});
    zoom_ = new QLabel;
    zoom_->setObjectName(QStringLiteral("lblZoom"));
    zoom_->setAlignment(Qt::AlignCenter);
    zoom_->setMinimumWidth(zoom_->fontMetrics().horizontalAdvance(QStringLiteral("000 %")) + 8);
    addWidget(zoom_);
    QAction* hinein = Befehl("tbZoomHinein", "zoomhinein",
                             QCoreApplication::translate("vsk::Zoom_panel", "Zoom in"),
                             {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* breite = Befehl("tbSeitenbreite", "seitenbreite", tr("Fit width"), {});
    QAction* ganz = Befehl("tbGanzeSeite", "ganzeseite", tr("Whole page"),
                           {QKeySequence(Qt::CTRL | Qt::Key_0)});
    addSeparator();
    vorige_ = Befehl("tbVorigeSeite", "seitezurueck", tr("Previous page"),
                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    seite_ = new QLabel;
    seite_->setObjectName(QStringLiteral("lblSeite"));
    seite_->setContentsMargins(6, 0, 6, 0);
    addWidget(seite_);
    naechste_ = Befehl("tbNaechsteSeite", "seitevor", tr("Next page"),
                       {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(hinaus, &QAction::triggered, &vorschau, &TVorschau::ZoomHinaus);
    connect(hinein, &QAction::triggered, &vorschau, &TVorschau::ZoomHinein);
    connect(breite, &QAction::triggered, &vorschau, &TVorschau::Seitenbreite);
    connect(ganz, &QAction::triggered, &vorschau, &TVorschau::GanzeSeite);
    connect(vorige_, &QAction::triggered, &vorschau, &TVorschau::VorigeSeite);
    connect(naechste_, &QAction::triggered, &vorschau, &TVorschau::NaechsteSeite);
    ZeigeZoom(vorschau.Zoom());
    ZeigeSeite(0, 0);
}

QAction* TVorschauleiste::Befehl(const char* name, const char* symbol, const QString& text,
                                 const QList<QKeySequence>& tasten) {
    QAction* a = addAction(Symbol(symbol), text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(tasten);
    a->setShortcutContext(Qt::WindowShortcut);
    const QString taste =
        tasten.isEmpty() ? QString() : tasten.front().toString(QKeySequence::NativeText);
    SetzeHinweis(a,
                 taste.isEmpty() ? text : text + QStringLiteral(" (") + taste + QLatin1Char(')'));
    return a;
}

void TVorschauleiste::ZeigeZoom(const Vorschauzoom& zoom) {
    zoom_->setText(QString::fromStdString(zoom.Prozenttext()));
}

void TVorschauleiste::ZeigeSeite(int seite, int seiten) {
    seite_->setText(seiten > 0 ? QString::fromStdString(SeiteVonText(seite, seiten)) : QString());
    vorige_->setEnabled(seite > 1);
    naechste_->setEnabled(seite < seiten);
}

} // namespace vsk

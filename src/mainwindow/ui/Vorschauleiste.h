#pragma once
// The tool row of the report preview: zoom out, the zoom in percent, zoom in, fit width,
// whole page, and the page navigation with "Page k of n". The keys work wherever the
// focus is in the main window while the preview is shown: Ctrl++ and Ctrl+- zoom,
// Ctrl+0 shows the whole page, Ctrl+Page Up and Ctrl+Page Down go to the previous and
// the next page.

#include <QToolBar>

class QAction;
class QLabel;

namespace vsk {

class TVorschau;
class Vorschauzoom;

class TVorschauleiste final : public QToolBar {
    Q_OBJECT
public:
    explicit TVorschauleiste(TVorschau& vorschau);

    void ZeigeZoom(const Vorschauzoom& zoom);
    void ZeigeSeite(int seite, int seiten);

private:
    QAction* Befehl(const char* name, const char* symbol, const QString& text,
                    const QList<QKeySequence>& tasten);

    QLabel* zoom_ = nullptr;
    QLabel* seite_ = nullptr;
    QAction* vorige_ = nullptr;
    QAction* naechste_ = nullptr;
};

} // namespace vsk

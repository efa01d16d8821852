#pragma once
// The position selector sEditAktAnwendung in the tool bar: a spin field from 1 to the
// number of positions. A number outside that range may be typed; when the field is left,
// it is replaced by the last position, as a value outside the range always is.

#include <QSpinBox>

namespace vsk {

class TPositionsFeld final : public QSpinBox {
    Q_OBJECT
public:
    explicit TPositionsFeld(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};

} // namespace vsk

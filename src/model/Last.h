#pragma once
// One load: point load, one end value of a line load, or the scratch load of a position.

namespace vsk {

class TKLast {
public:
    double TGk() const { return tGk_; }
    double TQk() const { return tQk_; }
    double TF1() const { return tF1_; }
    double TFd() const { return tFd_; }
    double Tgg() const { return tgg_; }
    double Tgq() const { return tgq_; }

    // Each of these stores the value and recomputes TFd = TGk * Tgg + TQk * Tgq + TF1.
    void setTGk(double v);
    void setTQk(double v);
    void setTF1(double v);
    void setTgg(double v);
    void setTgq(double v);

    // Stores TFd as given, nothing else changes. Only for restoring a stored load: the
    // project file holds TFd as it was and it is read back without recomputing, so a
    // reader calls this after the other five setters.
    void setTFd(double v) { tFd_ = v; }

    // A design value given directly: TFd = TF1 = v, TGk = TQk = 0; the factors stay.
    void SetFdDirekt(double v);

private:
    void Neuberechnen();

    double tGk_ = 0;
    double tQk_ = 0;
    double tF1_ = 0;
    double tFd_ = 0;
    double tgg_ = 1.35;
    double tgq_ = 1.5;

    friend bool operator==(const TKLast&, const TKLast&) = default;
};

} // namespace vsk

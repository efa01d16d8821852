#include "canvas/Aufzeichnung.h"

#include <algorithm>
#include <utility>

namespace vsk {

namespace {

int ZeichenAnzahl(const std::string& text) {
    // UTF-8 continuation bytes do not start a character.
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::vector<Aufgezeichnet> Aufzeichnung::Nur(Operation op) const {
    std::vector<Aufgezeichnet> r;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(r),
                 [op](const Aufgezeichnet& a) { return a.op == op; });
    return r;
}

std::size_t Aufzeichnung::Anzahl(Operation op) const {
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(), [op](const Aufgezeichnet& a) { return a.op == op; }));
}

void Aufzeichnung::Merke(Operation op, std::vector<int> k, std::string text) {
    ops.push_back({op, std::move(k), std::move(text), stift, pinsel, schrift});
}

void Aufzeichnung::FillRect(const Rechteck& r) {
    Merke(Operation::FillRect, {r.left, r.top, r.right, r.bottom});
}

void Aufzeichnung::Rectangle(int x1, int y1, int x2, int y2) {
    Merke(Operation::Rectangle, {x1, y1, x2, y2});
}

void Aufzeichnung::Ellipse(int x1, int y1, int x2, int y2) {
    Merke(Operation::Ellipse, {x1, y1, x2, y2});
}

void Aufzeichnung::RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) {
    Merke(Operation::RoundRect, {x1, y1, x2, y2, ew, eh});
}

void Aufzeichnung::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Merke(Operation::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void Aufzeichnung::Linie(Punkt von, Punkt bis) {
    Merke(Operation::Linie, {von.x, von.y, bis.x, bis.y});
}

void Aufzeichnung::TextOut(int x, int y, const std::string& text) {
    Merke(Operation::TextOut, {x, y}, text);
}

int Aufzeichnung::TextWidth(const std::string& text) {
    return ZeichenAnzahl(text) * SchriftPixel(schrift.groesse, dpi_) / 2;
}

int Aufzeichnung::TextHeight(const std::string&) {
    const int p = SchriftPixel(schrift.groesse, dpi_);
    return p + p / 5;
}

void Aufzeichnung::StretchDraw(const Rechteck& r, const std::string& bildname) {
    Merke(Operation::StretchDraw, {r.left, r.top, r.right, r.bottom}, bildname);
}

void Aufzeichnung::SetClipRect(const std::optional<Rechteck>& r) {
    if (r) {
        Merke(Operation::SetClipRect, {r->left, r->top, r->right, r->bottom});
    } else {
        Merke(Operation::SetClipRect, {});
    }
}

} // namespace vsk

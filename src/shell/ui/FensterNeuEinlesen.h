#pragma once
// Re-reads every existing window from the current language module: each window gets a
// QEvent::LanguageChange at once and sets its texts again in its changeEvent. Controls
// are neither created nor destroyed, so connections and entered values stay.

namespace vsk {

void FensterNeuEinlesen();

} // namespace vsk

#pragma once
// The manual command: "VSK Manual.pdf" beside the program, opened in the program the
// desktop associates with PDF files.

#include <string>

namespace vsk {

class Plattform;
class Programmstarter;

// The manual's file name (a resource text).
std::string HandbuchName();

// Opens the manual in programmverzeichnis (with or without a trailing separator). A
// missing file or a failed launch is reported through the platform; true when launched.
bool OeffneHandbuch(const std::string& programmverzeichnis, Programmstarter& starter,
                    Plattform& plattform);

} // namespace vsk

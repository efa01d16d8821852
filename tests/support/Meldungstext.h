#pragma once
// The message of a failed QVERIFY2, written like a stream:
// QVERIFY2(ok, (Meldungstext() << "type " << typ).c_str()).

#include <sstream>
#include <string>

namespace vsk::test {

class Meldungstext {
public:
    template <class T> Meldungstext& operator<<(const T& teil) {
        strom_ << teil;
        text_ = strom_.str();
        return *this;
    }
    const char* c_str() const { return text_.c_str(); }

private:
    std::ostringstream strom_;
    std::string text_;
};

} // namespace vsk::test

#pragma once
// The core keeps UTF-8 std::string; Qt wants QString.
#include <QString>
#include <string>

namespace rcagui {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}

} // namespace rcagui

#pragma once

#include <QString>
#include <exception>

namespace lorvex {

// An unexpected failure of a platform operation: what the error report shows.
class Failure : public std::exception {
public:
    Failure(int number, QString description)
        : number_(number), description_(std::move(description)), what_(description_.toUtf8())
    {
    }
    int number() const { return number_; }
    const QString &description() const { return description_; }
    const char *what() const noexcept override { return what_.constData(); }

private:
    int number_;
    QString description_;
    QByteArray what_;
};

// Numbers our own wrappers use; the report shows them in decimal.
namespace failure_code {
inline constexpr int settingsWrite = 1001;
inline constexpr int folderCreate = 1003;
inline constexpr int pictureWrite = 1004;
inline constexpr int counterOverflow = 6; // the classic "Overflow" number
inline constexpr int unknown = 51;
} // namespace failure_code

} // namespace lorvex

#pragma once
// Small wrappers over desktop services shared by several windows.

#include <QString>

namespace lorvex {

// Opens a file, web address or "mailto:" address with the desktop's handler.
// Returns at once; every failure is ignored.
void VarsayilanlaAc(const QString &target);

// Fusion style and the layout font the fixed window layouts were drawn for.
void OrtakDenetimleriBaslat();

// The opener as windows use it, so tests can see what would be opened.
class Opener {
public:
    virtual ~Opener() = default;
    virtual void open(const QString &target) = 0;
};

class DesktopOpener final : public Opener {
public:
    void open(const QString &target) override { VarsayilanlaAc(target); }
};

} // namespace lorvex

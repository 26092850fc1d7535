// Must not compile: the logic library sees Qt Core only.
#include <QWidget>

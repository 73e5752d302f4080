#pragma once
#include <QWidget>

namespace kvd {

// An empty window the program creates with the others; it has no part in the game.
class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr) : QWidget(parent) {}
};

}  // namespace kvd

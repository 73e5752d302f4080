#pragma once
#include <QWidget>

namespace kvd {

struct Context;

// The computer opponent's window: never shown, it holds the opponent's working lists.
class TKIForm : public QWidget {
public:
    explicit TKIForm(Context& context, QWidget* parent = nullptr) : QWidget(parent), context_(context) {}

private:
    [[maybe_unused]] Context& context_;
};

}  // namespace kvd

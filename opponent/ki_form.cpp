#include "opponent/ki_form.h"

namespace kvd {

TKIForm::TKIForm(Context& context, Game& game, QWidget* parent) : QWidget(parent), context_(context), game_(game) {}

}  // namespace kvd

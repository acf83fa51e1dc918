#include "mainwin/CardValues.h"

namespace zendrova {

CardValues::~CardValues() = default;

} // namespace zendrova

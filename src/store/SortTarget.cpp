#include "store/SortTarget.h"

namespace zendrova {

SortTarget::~SortTarget() = default;

} // namespace zendrova

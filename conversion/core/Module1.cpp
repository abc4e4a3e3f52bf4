#include "conversion/core/Module1.h"

namespace Module1 {

std::string dirty;

} // namespace Module1

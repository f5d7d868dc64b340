#include "plane/ExampleCompiler.h"

namespace korvane {

int CompileExample(FormulaCompiler& compiler, ExampleRecord& example, bool derivatives) {
    (void)compiler;
    (void)example;
    (void)derivatives;
    return 0;
}

void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse) {
    (void)example;
    (void)inUse;
}

} // namespace korvane

#pragma once
// Surface records compiled as the space window compiles them.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "plane/ExampleCompiler.h"
#include "space/SurfaceRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::spacetest {

struct Compiled {
    EvalContext context;
    FormulaCompiler compiler{context};

    // A record of the kind with its defaults, the texts replaced where given.
    void Make(ExampleRecord& e, std::int16_t kind, const std::vector<std::string>& texts = {}) {
        InitialiseSurface(e, kind, 4);
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (!texts[i].empty())
                e.texts[kind == kSurfaceSpherical ? 3 : kind <= kSurfaceCylindrical ? 2 : i] = texts[i];
        PrepareSurfaceTexts(e);
        ASSERT_EQ(CompileExample(compiler, e, false), 0);
    }
};

} // namespace korvane::spacetest

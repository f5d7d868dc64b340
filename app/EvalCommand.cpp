#include "app/EvalCommand.h"

#include <cstring>

#include "expr/ConstantText.h"
#include "expr/Derivative.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/UserFunctionLibrary.h"
#include "resources/Resources.h"

namespace korvane {

namespace {

constexpr int kExitDefined = 0;
constexpr int kExitUndefined = 1;
constexpr int kExitError = 2;

struct LetterSetting {
    int slot;
    std::string value;
};

struct EvalOptions {
    std::string formula;
    bool complexMode = false;
    std::vector<LetterSetting> letters;
    std::vector<std::string> definitions; // --define, in order
    int deriveSlot = -1;                  // --derive: the letter's slot
};

int LetterSlot(const std::string& name) {
    if (name.size() != 1)
        return -1;
    char c = name[0];
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == '@' || (c >= 'A' && c <= 'Z'))
        return c - '@';
    return -1;
}

bool ParseOptions(const std::vector<std::string>& args, EvalOptions& options, std::FILE* err) {
    bool haveFormula = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--let" || arg == "--define" || arg == "--derive";
        if (takesValue && i + 1 >= args.size()) {
            std::fprintf(err, "korvane: %s precisa de um valor\n", arg.c_str());
            return false;
        }
        if (arg == "--complex") {
            options.complexMode = true;
        } else if (arg == "--let") {
            const std::string& setting = args[++i];
            const std::size_t equals = setting.find('=');
            const int slot = LetterSlot(setting.substr(0, equals));
            if (equals == std::string::npos || slot < 0) {
                std::fprintf(err, "korvane: --let espera L=VALOR, não '%s'\n", setting.c_str());
                return false;
            }
            options.letters.push_back({slot, setting.substr(equals + 1)});
        } else if (arg == "--define") {
            options.definitions.push_back(args[++i]);
        } else if (arg == "--derive") {
            options.deriveSlot = LetterSlot(args[++i]);
            if (options.deriveSlot < 0) {
                std::fprintf(err, "korvane: --derive espera uma letra, não '%s'\n",
                             args[i].c_str());
                return false;
            }
        } else if (!haveFormula) {
            options.formula = arg;
            haveFormula = true;
        } else {
            std::fprintf(err, "korvane: argumento inesperado '%s'\n", arg.c_str());
            return false;
        }
    }
    if (!haveFormula)
        std::fputs("korvane: --eval precisa de uma fórmula\n", err);
    return haveFormula;
}

// "re" or, in complex mode, "re,im": the comma at depth 0 splits the two parts.
std::size_t TopLevelComma(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if (c == ')' || c == ']' || c == '}')
            --depth;
        else if (c == ',' && depth == 0)
            return i;
    }
    return std::string::npos;
}

int PrintCompileError(int code, std::FILE* out) {
    std::fprintf(out, "erro %d: %s\n", code, res::Message(code).c_str());
    return kExitError;
}

int SetLetters(FormulaCompiler& compiler, const EvalOptions& options, std::FILE* out) {
    EvalContext& ctx = compiler.Context();
    for (const LetterSetting& setting : options.letters) {
        std::string re = setting.value;
        std::string im;
        const std::size_t comma = options.complexMode ? TopLevelComma(re) : std::string::npos;
        if (comma != std::string::npos) {
            im = re.substr(comma + 1);
            re.resize(comma);
        }
        ComplexValue value;
        if (int c = EvaluateConstantText(compiler, re, value.re))
            return PrintCompileError(c, out);
        if (!im.empty()) {
            if (int c = EvaluateConstantText(compiler, im, value.im))
                return PrintCompileError(c, out);
        }
        ctx.letterValues[setting.slot] = value;
    }
    return kExitDefined;
}

// Each definition through the checks of the dialog "nova função", in order; warnings go
// to the error stream and do not stop.
int DefineFunctions(FormulaCompiler& compiler, UserFunctionLibrary& library,
                    const EvalOptions& options, std::FILE* out, std::FILE* err) {
    const DefinitionCompiler check = DefinitionCompilerFor(compiler, library);
    for (const std::string& text : options.definitions) {
        DefinitionText parsed;
        if (!ParseDefinitionText(text, parsed)) {
            std::fprintf(err, "korvane: --define espera NOME(x)=DEF ou NOME(x,y)=DEF, não '%s'\n",
                         text.c_str());
            return kExitError;
        }
        const DefinitionResult result = DefineFunction(library, parsed.name, parsed.definition,
                                                       parsed.kind, std::nullopt, check);
        if (result.code != 0)
            return PrintCompileError(result.code, out);
        for (int warning : result.warnings)
            std::fprintf(err, "aviso %d: %s\n", warning, res::Message(warning).c_str());
    }
    return kExitDefined;
}

} // namespace

int RunEvalCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    EvalOptions options;
    if (!ParseOptions(args, options, err))
        return kExitError;
    EvalContext ctx;
    FormulaCompiler compiler(ctx);
    UserFunctionLibrary library;
    AttachUserFunctions(compiler, library);
    if (options.complexMode)
        compiler.SetComplexMode(true);
    if (int exit = DefineFunctions(compiler, library, options, out, err))
        return exit;
    if (int exit = SetLetters(compiler, options, out))
        return exit;
    if (int c = compiler.CompileFormula(options.formula))
        return PrintCompileError(c, out);
    ExprTree tree = compiler.TakeResult();
    if (options.deriveSlot >= 0) {
        ExprTree derivative;
        Differentiate(ctx, tree, options.deriveSlot + 64, derivative);
        tree = std::move(derivative);
    }
    if (!EvaluateNode(ctx, tree.root)) {
        std::fputs("indefinido\n", out);
        return kExitUndefined;
    }
    const ComplexValue& v = tree.root->value;
    if (options.complexMode)
        std::fprintf(out, "%.18Lg %.18Lg\n", v.re, v.im);
    else
        std::fprintf(out, "%.18Lg\n", v.re);
    return kExitDefined;
}

} // namespace korvane

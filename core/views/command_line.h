#pragma once
// One lexer for the command lines of vesk and vesk-render: --name VALUE, --name=VALUE, a flag
// --name, and -o and -h. Each program says which options it takes; the rules are the same for
// both: a flag takes no value (--flag=no is refused, never read as --flag), an option that
// takes a value says so when it has none, and an unknown word is refused. Messages are one line.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct OptionSpec {
    std::string_view name;  // "--step", "-o"
    enum Takes { Nothing, Value, MaybeValue } takes = Nothing;
    // MaybeValue: a next word that is not an option is its value (vesk --lesson FILE).
};

struct OptionToken {
    std::string name;                  // as the parameter names it
    std::optional<std::string> value;  // none for a flag
};

struct LexedOptions {
    std::vector<OptionToken> tokens;
    std::string error;  // empty when every word was understood
};

// `find` gives the parameter an option names, or nullptr; `help` is named in the message for an
// unknown one ("see --help").
LexedOptions LexOptions(const std::vector<std::string>& args,
                        const std::function<const OptionSpec*(std::string_view)>& find,
                        std::string_view help);

// The option names of the views' parameters: --NAME for every parameter of every view, and a
// switch's --FLAG. A parameter's option takes a value unless it is a switch.
const OptionSpec* FindParamOption(std::string_view name);
// The parameter an option names in the view, and the value it stands for: the option's value, or
// for a switch "1" (or "0" for a --FLAG that turns its default off). Nothing when the view has no
// such parameter.
struct ParamOption {
    std::string_view param;
    std::string text;
};
struct ViewDescriptor;
std::optional<ParamOption> ParamOfOption(const ViewDescriptor& view, const OptionToken& token);
// The views that take the option, for "--poles needs --view winding": "winding".
std::string ViewsTaking(std::string_view option);

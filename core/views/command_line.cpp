#include "views/command_line.h"

#include <deque>

#include "views/view_params.h"
#include "views/view_table.h"

LexedOptions LexOptions(const std::vector<std::string>& args,
                        const std::function<const OptionSpec*(std::string_view)>& find,
                        std::string_view help) {
    LexedOptions out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string name = arg;
        std::optional<std::string> value;
        if (arg.rfind("--", 0) == 0) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
            }
        }
        const OptionSpec* spec = arg.size() > 1 && arg[0] == '-' ? find(name) : nullptr;
        if (spec == nullptr) {
            out.error = "unknown option '" + Escaped(arg) + "' (see " + std::string(help) + ")";
            return out;
        }
        if (spec->takes == OptionSpec::Nothing && value) {
            out.error = "option " + name + " takes no value (given '" + Escaped(arg) + "')";
            return out;
        }
        if (spec->takes == OptionSpec::Value && !value) {
            if (i + 1 >= args.size()) {
                out.error = "option " + name + " needs a value";
                return out;
            }
            value = args[++i];
        }
        if (spec->takes == OptionSpec::MaybeValue && !value && i + 1 < args.size() &&
            args[i + 1].rfind("-", 0) != 0)
            value = args[++i];
        out.tokens.push_back({std::string(spec->name), value});
    }
    return out;
}

namespace {

// The option of a parameter: --NAME, or its --FLAG when it has one.
std::string OptionOf(const ParamSpec& p) {
    return "--" + std::string(p.kind == ParamKind::Switch && !p.flag.empty() ? p.flag : p.name);
}

}  // namespace

const OptionSpec* FindParamOption(std::string_view name) {
    // Made once from the table; the deque keeps each spec where it is.
    static const std::deque<std::pair<std::string, OptionSpec>> options = [] {
        std::deque<std::pair<std::string, OptionSpec>> all;
        for (const ViewDescriptor& d : Views())
            for (const ParamSpec& p : d.params) {
                const std::string option = OptionOf(p);
                bool known = false;
                for (const auto& [n, s] : all) known = known || n == option;
                if (known) continue;
                all.emplace_back(option, OptionSpec{});
                all.back().second = {all.back().first, p.kind == ParamKind::Switch
                                                           ? OptionSpec::Nothing
                                                           : OptionSpec::Value};
            }
        return all;
    }();
    for (const auto& [option, spec] : options)
        if (option == name) return &spec;
    return nullptr;
}

std::optional<ParamOption> ParamOfOption(const ViewDescriptor& view, const OptionToken& token) {
    for (const ParamSpec& p : view.params) {
        if (OptionOf(p) != token.name) continue;
        if (p.kind != ParamKind::Switch) return ParamOption{p.name, token.value.value_or("")};
        // A --FLAG turns the switch from its default; --NAME turns it on.
        const bool on = p.flag.empty() ? true : p.fallback == 0.0;
        return ParamOption{p.name, on ? "1" : "0"};
    }
    return std::nullopt;
}

std::string ViewsTaking(std::string_view option) {
    std::vector<std::string_view> names;
    for (const ViewDescriptor& d : Views())
        for (const ParamSpec& p : d.params)
            if (OptionOf(p) == option) {
                names.push_back(d.name);
                break;
            }
    return Listed(names);
}

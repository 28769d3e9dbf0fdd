// Splitting a command line into options and positional words.
#include "Cli.h"

namespace orvelmag {

Arguments::Arguments(std::vector<std::string> words, const std::vector<std::string>& valueOptions)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        bool known = false;
        for (const auto& name : valueOptions) {
            if (w == "--" + name) {
                if (i + 1 >= words.size())
                    throw UsageError{"option --" + name + " needs a value"};
                m_options[name] = words[++i];
                known = true;
                break;
            }
            if (w.rfind("--" + name + "=", 0) == 0) {
                m_options[name] = w.substr(name.size() + 3);
                known = true;
                break;
            }
        }
        if (known)
            continue;
        if (w.size() > 2 && w.rfind("--", 0) == 0)
            throw UsageError{"unknown option " + w};
        m_positional.push_back(w);
    }
}

std::optional<std::string> Arguments::Option(const std::string& name) const
{
    auto it = m_options.find(name);
    if (it == m_options.end())
        return std::nullopt;
    return it->second;
}

// Options that may be given more than once ("--alt A:0 --alt B:1") are taken out of the words
// before the single-valued ones are read.
std::vector<std::string> TakeRepeated(std::vector<std::string>& words, const std::string& name)
{
    std::vector<std::string> values, rest;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--" + name) {
            if (i + 1 >= words.size())
                throw UsageError{"option --" + name + " needs a value"};
            values.push_back(words[++i]);
        } else if (words[i].rfind("--" + name + "=", 0) == 0) {
            values.push_back(words[i].substr(name.size() + 3));
        } else {
            rest.push_back(words[i]);
        }
    }
    words = std::move(rest);
    return values;
}

}  // namespace orvelmag

// Sets configuration keys for one test and puts the previous values back afterwards, so tests
// that change precisions do not leak into each other.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "orveldlglib/ApplicationAdministrator.h"

namespace orvel::test {

class ConfigGuard {
public:
    ConfigGuard() = default;
    ConfigGuard(const ConfigGuard&) = delete;
    ConfigGuard& operator=(const ConfigGuard&) = delete;
    ~ConfigGuard()
    {
        CConfigAdministrator* config = CApplicationAdministrator::GetInstance()->GetConfig();
        for (const auto& [key, value] : m_saved) {
            if (value)
                config->SetParam(key.c_str(), value->c_str());
            else
                config->RemoveParam(key.c_str());
        }
    }

    void Set(const std::string& key, const std::string& value)
    {
        CConfigAdministrator* config = CApplicationAdministrator::GetInstance()->GetConfig();
        if (m_saved.count(key) == 0) {
            m_saved[key] = config->HasParam(key.c_str()) ? std::optional<std::string>(config->GetParam(key.c_str()).str())
                                                         : std::nullopt;
        }
        config->SetParam(key.c_str(), value.c_str());
    }

    // The settings the article tests start from: every precision 2, list multiplier 1, unit
    // "PZ", article codes of 6 characters.
    void SetShopDefaults()
    {
        Set("precisione/prezzi", "2");
        Set("precisione/iva", "2");
        Set("precisione/sconti", "2");
        Set("precisione/totali", "2");
        Set("default/articolo/moltiplicatorelistino", "1");
        Set("default/documento/unitamisura", "PZ");
        Set("default/articolo/ncifre", "6");
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

}  // namespace orvel::test

#include "velbrix-check/logic/ModelValuesRule.h"

Findings CheckModelValues(const IniView& view) {
    Findings findings;
    for (std::size_t index = 0; index < view.Models.size(); ++index) {
        const ModelSection& model = view.Models[index];
        if (!model.Present) {
            continue;
        }
        const Place modelPlace = ModelPlace(model.Number, KEY_PRINTER_MODEL);
        const std::wstring& name = model.Used.Model;
        if (name.empty()) {
            AddProblem(findings, modelPlace, CheckText::MODEL_EMPTY);
        } else {
            for (std::size_t other = 0; other < view.Models.size(); ++other) {
                const ModelSection& otherModel = view.Models[other];
                if (other == index || !otherModel.Present || otherModel.Used.Model.empty()) {
                    continue;
                }
                if (other < index && otherModel.Used.Model == name) {
                    AddProblem(findings, modelPlace, CheckText::MODEL_DUPLICATE,
                               {name, ModelPlace(otherModel.Number).Text});
                    break;
                }
                // A printer is listed under the model when its queue name holds the model's name.
                if (otherModel.Used.Model != name && otherModel.Used.Model.find(name) != std::wstring::npos) {
                    AddNote(findings, modelPlace, CheckText::MODEL_WITHIN,
                            {name, otherModel.Used.Model, ModelPlace(otherModel.Number).Text});
                }
            }
        }

        const std::pair<std::wstring_view, const std::wstring&> values[] = {
            {KEY_PRINTER_MODEL, model.Model},
            {KEY_PRINTER_DRIVER_NAME, model.DriverName},
            {KEY_PRINTER_DRIVER_PATH, model.DriverPath},
        };
        for (const auto& [key, value] : values) {
            if (value.substr(0, PROFILE_TEXT_MAX).find(L'|') != std::wstring::npos) {
                AddProblem(findings, ModelPlace(model.Number, key), CheckText::VALUE_HAS_BAR,
                           {model.Used.Model, model.Used.DriverName, model.Used.DriverPath});
            }
            if (value.size() > PROFILE_TEXT_MAX) {
                AddProblem(findings, ModelPlace(model.Number, key), CheckText::VALUE_TOO_LONG, {Number(value.size())});
            }
        }
    }
    return findings;
}

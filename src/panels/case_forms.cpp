#include "panels/case_forms.h"

namespace retencion {
namespace {

// clang-format off
constexpr FieldPlace kAInputs[] = {
    {"AINC", "ALabelInc", "ALabelIncU", 0, 0}, {"ACK", "Label9", nullptr, 0, 1},
    {"AIP", "Label5", "Label6", 1, 0},         {"ATP", "Label11", "Label12", 1, 1},
    {"ADL", "ALabelD", "Label8", 2, 0},        {"ATB", "Label13", "Label14", 2, 1},
};
constexpr FieldPlace kAResults[] = {{"ARES", "ALabelRes", "ALabelResU", 0, 0}, {"AH", "Label17", "Label18", 0, 1}};

constexpr FieldPlace kBInputs[] = {
    {"BINC", "BLabelInc", "BLabelIncU", 0, 0}, {"BQB", "Label20", "Label27", 0, 1},
    {"BIP", "Label24", "Label23", 1, 0},       {"BTP", "Label19", "Label16", 1, 1},
    {"BD", "BLabelD", "Label21", 2, 0},        {"BN", "Label4", nullptr, 2, 1},
};
constexpr FieldPlace kBResults[] = {{"BRES", "BLabelRes", "BLabelResU", 0, 0}, {"BH", "Label2", "Label1", 0, 1}};

constexpr FieldPlace kCInputs[] = {
    {"CINC", "CLabelInc", "CLabelIncU", 0, 0}, {"CTP", "Label38", "Label39", 0, 1},
    {"CIP", "Label33", "Label34", 1, 0},       {"CHO", "Label37", "Label30", 1, 1},
    {"CB", "Label35", "Label36", 2, 0},
};
constexpr FieldPlace kCResults[] = {{"CRES", "CLabelRes", "CLabelResU", 0, 0}, {"CH", "Label28", "Label29", 0, 1}};

constexpr FieldPlace kDInputs[] = {
    {"DINC", "DLabelInc", "DLabelIncU", 0, 0}, {"DTP", "Label41", "Label40", 0, 1},
    {"DIP", "Label46", "Label45", 1, 0},
};
constexpr FieldPlace kDResults[] = {{"DRES", "DLabelRes", "DLabelResU", 0, 0}};

constexpr FieldPlace kEInputs[] = {
    {"EINC", "ELabelInc", "ELabelIncU", 0, 0}, {"ETP", "Label43", "Label42", 0, 1},
    {"EIP", "Label54", "Label51", 1, 0},       {"EHO", "Label44", "Label57", 1, 1},
    {"EB", "Label50", "Label49", 2, 0},        {"EL", "Label55", "Label53", 2, 1},
};
constexpr FieldPlace kEResults[] = {{"ERES", "ELabelRes", "ELabelResU", 0, 0}, {"EH", "Label59", "Label58", 0, 1}};

constexpr CaseForm kForms[] = {
    {'A', "Label7", "AFrame1", "AFrame2", "AFrame3", kAInputs, "ACalcular", "AFrame4", kAResults},
    {'B', "Label10", "Frame4", "Frame3", "Frame2", kBInputs, "BCalcular", "Frame1", kBResults},
    {'C', "Label15", "Frame8", nullptr, "Frame6", kCInputs, "CCalcular", "Frame5", kCResults},
    {'D', "Label22", "Frame7", nullptr, "Frame9", kDInputs, "DCalcular", "Frame10", kDResults},
    {'E', "Label25", "Frame11", nullptr, "Frame12", kEInputs, "ECalcular", "Frame13", kEResults},
};
// clang-format on

} // namespace

const CaseForm* caseForm(char letter)
{
    for (const CaseForm& form : kForms)
        if (form.letter == letter) return &form;
    return nullptr;
}

} // namespace retencion

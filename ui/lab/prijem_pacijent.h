#pragma once

#include <optional>

// The patient and the stored visit open at reception, as the main window tells the laboratory page:
// an order is for that patient by default, and belongs to that visit.
struct PrijemPacijent {
    std::optional<int> rbrAdresar;
    std::optional<int> rbrPoseta;
};

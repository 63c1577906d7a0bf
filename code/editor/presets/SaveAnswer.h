#pragma once
// What the save dialog tells the user about a save, from the preset store's result.

#include <cstdint>

namespace velqa::editor
{

constexpr char kEnterNameMessage[] = "PLEASE ENTER A PRESET NAME";

struct SaveAnswer
{
    const char* message;    // for the dialog's message line; empty when saved
    bool saved;             // the dialog closes
    bool confirmsOverwrite; // the next Save of the same name overwrites
};

SaveAnswer answerToSave(int32_t storeResult);

} // namespace velqa::editor

#include "Setup.h"
#include "ProgramText.h"
#include <cstdio>

Setup::Setup(Settings& settings)
    : iType::Collection(nullptr, &settings, static_cast<int32_t>(sizeof settings), "Setup",
                        ProgramText(IDS_SETUP_CAPTION)),
      m_operation(this, &settings.operations, static_cast<int32_t>(sizeof settings.operations), "Operation",
                  ProgramText(IDS_SETUP_OPERATION)),
      m_size(this, &settings.copies, static_cast<int32_t>(sizeof settings.copies), "Size", ProgramText(IDS_SETUP_SIZE)),
      m_high(this, &settings.highestCard, static_cast<int32_t>(sizeof settings.highestCard), "High",
             ProgramText(IDS_SETUP_HIGH)),
      m_pace(this, &settings.pace, static_cast<int32_t>(sizeof settings.pace), "Pace", ProgramText(IDS_SETUP_PACE)),
      m_sounds(this, &settings.sounds, static_cast<int32_t>(sizeof settings.sounds), "Sounds",
               ProgramText(IDS_SETUP_SOUND)),
      m_practice(this, &settings.practice, static_cast<int32_t>(sizeof settings.practice), "Practice",
                 ProgramText(IDS_SETUP_PRACTICE))
{
    m_operation.SetDefault(OperationsRange.fallback);
    m_operation.SetClearValue(OperationsRange.fallback);
    m_operation.AddItem(0, ProgramText(IDS_SETUP_ADDITION));
    m_operation.AddItem(1, ProgramText(IDS_SETUP_SUBTRACTION));
    m_operation.AddItem(2, ProgramText(IDS_SETUP_MULTIPLICATION));
    m_operation.AddItem(3, ProgramText(IDS_SETUP_DIVISION));

    // One-digit texts lead with a space so the numbers line up.
    char text[8];
    m_size.SetDefault(CopiesRange.fallback);
    m_size.SetClearValue(CopiesRange.fallback);
    for (int n = CopiesRange.low; n <= CopiesRange.high; ++n) {
        std::snprintf(text, sizeof text, "%2d", n);
        m_size.AddItem(n, text);
    }

    // The key is the card code, one more than the value shown.
    m_high.SetDefault(CardCode(HighestValueRange.fallback));
    m_high.SetClearValue(CardCode(HighestValueRange.fallback));
    for (int value = HighestValueRange.low; value <= HighestValueRange.high; ++value) {
        std::snprintf(text, sizeof text, "%2d", value);
        m_high.AddItem(CardCode(value), text);
    }

    m_pace.SetDefault(PaceChoices[0].pace);
    m_pace.SetClearValue(PaceChoices[0].pace);
    for (const PaceChoice& choice : PaceChoices) m_pace.AddItem(choice.pace, ProgramText(choice.text));

    m_sounds.SetDefault(1);
    m_sounds.SetClearValue(1);
    m_sounds.AddItem(0, ProgramText(IDS_SETUP_PLAY_SOUNDS));

    m_practice.SetDefault(0);
    m_practice.SetClearValue(0);
    m_practice.AddItem(0, ProgramText(IDS_SETUP_PRACTICE_ON));

    Reset();
}

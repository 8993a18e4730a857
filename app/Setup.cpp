#include "Setup.h"
#include "ProgramText.h"

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
               ProgramText(IDS_SETUP_SOUND))
{
    m_operation.SetDefault(3);
    m_operation.SetClearValue(3);
    m_operation.AddItem(0, ProgramText(IDS_SETUP_ADDITION));
    m_operation.AddItem(1, ProgramText(IDS_SETUP_SUBTRACTION));
    m_operation.AddItem(2, ProgramText(IDS_SETUP_MULTIPLICATION));
    m_operation.AddItem(3, ProgramText(IDS_SETUP_DIVISION));

    // One-digit texts lead with a space so the numbers line up.
    static const char* const sizes[] = { " 5", " 6", " 7", " 8", " 9", "10" };
    m_size.SetDefault(5);
    m_size.SetClearValue(5);
    for (int i = 0; i < 6; ++i) m_size.AddItem(5 + i, sizes[i]);

    // The key is the card code, one more than the value shown.
    static const char* const highs[] = { " 8", " 9", "10", "11", "12", "13", "14", "15", "16" };
    m_high.SetDefault(17);
    m_high.SetClearValue(17);
    for (int i = 0; i < 9; ++i) m_high.AddItem(9 + i, highs[i]);

    m_pace.SetDefault(PaceFaster);
    m_pace.SetClearValue(PaceFaster);
    m_pace.AddItem(PaceFaster, ProgramText(IDS_SETUP_PACE_FASTER));
    m_pace.AddItem(PaceSteady, ProgramText(IDS_SETUP_PACE_STEADY));
    m_pace.AddItem(PaceSlow, ProgramText(IDS_SETUP_PACE_SLOW));
    m_pace.AddItem(PaceVerySlow, ProgramText(IDS_SETUP_PACE_VERYSLOW));
    m_pace.AddItem(PaceSlowest, ProgramText(IDS_SETUP_PACE_SLOWEST));

    m_sounds.SetDefault(1);
    m_sounds.SetClearValue(1);
    m_sounds.AddItem(0, ProgramText(IDS_SETUP_PLAY_SOUNDS));

    Reset();
}

#include "Setup.h"

Setup::Setup(Settings& settings)
    : iType::Collection(nullptr, &settings, static_cast<int32_t>(sizeof settings), "Setup", "Setup"),
      m_operation(this, &settings.operations, static_cast<int32_t>(sizeof settings.operations), "Operation", "Operation"),
      m_size(this, &settings.copies, static_cast<int32_t>(sizeof settings.copies), "Size", "Number of each"),
      m_high(this, &settings.highestCard, static_cast<int32_t>(sizeof settings.highestCard), "High", "Highest card")
{
    m_operation.SetDefault(3);
    m_operation.SetClearValue(3);
    m_operation.AddItem(0, "Addition (+)");
    m_operation.AddItem(1, "Substraction (-)");
    m_operation.AddItem(2, "Multiplication (*)");
    m_operation.AddItem(3, "Division (/)");

    // One-digit texts lead with a space so the numbers line up.
    static const char* const sizes[] = {" 5", " 6", " 7", " 8", " 9", "10"};
    m_size.SetDefault(5);
    m_size.SetClearValue(5);
    for (int i = 0; i < 6; ++i)
        m_size.AddItem(5 + i, sizes[i]);

    // The key is the card code, one more than the value shown.
    static const char* const highs[] = {" 8", " 9", "10", "11", "12", "13", "14", "15", "16"};
    m_high.SetDefault(17);
    m_high.SetClearValue(17);
    for (int i = 0; i < 9; ++i)
        m_high.AddItem(9 + i, highs[i]);

    Reset();
}

#include "Widgets/SPanel.h"

SPanel::SPanel() = default;

SPanel::~SPanel() = default;

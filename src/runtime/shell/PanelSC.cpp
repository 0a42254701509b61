#include "runtime/shell/PanelSC.h"

#include "runtime/shell/EventForwarding.h"

void PanelSC::awakeFromNib() {
    Panel::awakeFromNib();
    ForwardWindowAwake(*this);
}

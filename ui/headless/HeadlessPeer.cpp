#include "ui/Control.h"
#include "ui/backend/Peer.h"

namespace {

// A platform window that exists only as a number.
class THeadlessPeer final : public TControlPeer {
public:
    THeadlessPeer() : FHandle(++LastHandle) {}
    void Changed(TPeerChange) override {}
    TWindowHandle Handle() const override { return FHandle; }

private:
    static inline TWindowHandle LastHandle = 0;
    TWindowHandle FHandle;
};

} // namespace

std::unique_ptr<TControlPeer> CreatePeer(TControl&) {
    return std::make_unique<THeadlessPeer>();
}

#include "controller/DataProvider.h"

bool FwiDataProvider::Accepts(DpKind kind) const
{
    switch (kind) {
    case DpKind::Dcmd:
    case DpKind::DcmdPrivate:
    case DpKind::ScsiPassThru:
    case DpKind::Driver:
        return true;
    case DpKind::SataPassThru:  // no such frame is built
        return false;
    }
    return false;
}

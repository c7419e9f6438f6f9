#include "model/location.h"

#include "base/wio.h"
#include "base/wstream.h"

int LocationNode::write(owstream& os) const {
    terrain.write(os);
    coord.write(os);
    regionName.write(os);
    townName.write(os);
    townType.write(os);
    WriteI32(os, peasants);
    peasantRace.write(os);
    WriteI32(os, silver);
    WriteI32(os, wages);
    WriteI32(os, maxWages);
    WriteI32(os, entertainment);
    wanted.WriteNodes(os);
    forSale.WriteNodes(os);
    products.WriteNodes(os);
    units.WriteNodes(os);
    buildings.WriteNodes(os);
    WriteU32(os, flags);
    return os.good() ? 0 : 1;
}

int LocationNode::read(iwstream& is, unsigned long version) {
    terrain.read(is);
    coord.read(is);
    regionName.read(is);
    townName.read(is);
    townType.read(is);
    ReadI32(is, peasants);
    peasantRace.read(is);
    ReadI32(is, silver);
    ReadI32(is, wages);
    ReadI32(is, maxWages);
    ReadI32(is, entertainment);
    wanted.read(is, version);
    forSale.read(is, version);
    products.read(is, version);
    units.read(is, version);
    buildings.read(is, version);
    ReadU32(is, flags);
    return is.good() ? 0 : 1;
}

Node* LocationNode::builder(iwstream&, unsigned long) {
    return new LocationNode();
}

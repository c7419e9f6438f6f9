// Report intake on arbitrary bytes: no crash, no undefined behaviour; a report whose header
// was not accepted, one that failed in place of a loaded turn and one beyond the file's
// limits leave the document exactly as it was, and the document always fits its file.
#include "base/wstream.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

class FuzzUser : public IntakeUser {
public:
    explicit FuzzUser(bool yes) : yes_(yes) {}
    bool ReplaceTurn(const TurnReplacement&) override { return yes_; }

private:
    bool yes_;
};

std::vector<unsigned char> Bytes(const VexlorDoc& doc) {
    omwstream out;
    // A list beyond what its 16-bit count holds fails the write: intake must refuse it first.
    if (doc.write(out) != 0) std::abort();
    out.flush();
    return out.Bytes();
}

const char kFirstReport[] = "Atlantis Report For:\n"
                            "Red Wolves (3)\n"
                            "January, Year 1\n"
                            "\n"
                            "plain (1,3) in Here, 10 peasants (humans), $5.\n"
                            "------------------------------------------------------------\n"
                            "  Wages: $14 (Max: $20).\n"
                            "  Wanted: none.\n"
                            "  For Sale: none.\n"
                            "  Products: none.\n"
                            "\n"
                            "Exits:\n"
                            "  North : ocean (1,1) in Sea.\n"
                            "\n"
                            "* Scout (9), Red Wolves (3), leader [LEAD].\n"
                            "\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses the document (empty, or holding a turn) and the answer.
    uint8_t mode = size ? data[0] : 0;
    VexlorDoc doc;
    FuzzUser user(mode & 2);
    IntakeTarget target{doc, user, nullptr};
    if (mode & 1) {
        imwstream first(kFirstReport, sizeof kFirstReport - 1);
        if (AddReport(first, target) != 0) std::abort();
        doc.SetModified(false);
    }
    std::vector<unsigned char> before = Bytes(doc);

    imwstream in(data, size);
    IntakeOutcome outcome;
    AddReport(in, target, &outcome);
    // Refused, kept or broken off before its first region: nothing may have changed.
    bool unchanged = Bytes(doc) == before && !doc.IsModified();
    if (!outcome.Changed() && !unchanged) std::abort();
    bool failedReplace =
        (mode & 1) && outcome.headerRead && outcome.result != 0 && outcome.date == AtlDate(0, 1);
    if ((failedReplace || outcome.fault == IntakeFault::ListTooLong) && !unchanged) std::abort();
    // A fresh document takes a faction only together with a turn.
    if (!(mode & 1) && doc.Turns().IsEmpty() && doc.GetFaction().Number() != 0) std::abort();
    Bytes(doc);
    return 0;
}

// The sample report: a small design with findings in two architectures.
#include "shell/sample_report.h"

#include "design/design.h"
#include "design/report.h"
#include "foundation/kind_vocabulary.h"
#include "ui/platform.h"

namespace zeph {

int write_sample_report(ui::Platform& platform) {
    Design design;

    auto counter = std::make_unique<Entity>();
    counter->name = "counter";
    auto rtl = std::make_unique<Architecture>();
    rtl->name = "rtl";
    rtl->kind = kArchitectureBlockDiagram;
    Architecture* arch = rtl.get();
    counter->architectures.push_back(std::move(rtl));
    Entity* entity = counter.get();
    design.entities.push_back(std::move(counter));

    Report r(platform);
    platform.report_clear();
    platform.report_title("Design Verify");
    r.start(ReportScope::Design, design.target_language);
    r.set_context(entity, arch, nullptr);
    r.report(104, kKindComponentPort, 0, 0, "carry", "u1", nullptr, entity, arch, nullptr);
    r.report(48, kKindComponent, 0, 0, "u1", nullptr, nullptr, entity, arch, nullptr);
    r.report(154, 0, 0, 0, "enable", "u2", nullptr, entity, arch, nullptr);
    r.summary();
    return r.errors();
}

} // namespace zeph

#include "diagnosis/FirstRunFailure.h"

#include "diagnosis/CadWindowReport.h"
#include "diagnosis/FirstRunProposals.h"
#include "messages/FirstRunMessages.h"
#include "settings/ToolPaths.h"

#include <algorithm>

namespace vr {
namespace {

const SurveyedProcess* ProcessOf(const std::vector<SurveyedProcess>& processes,
                                 const CadInstance* cad) {
    if (!cad) {
        return nullptr;
    }
    const auto found = std::find_if(processes.begin(), processes.end(), [&](const auto& process) {
        return process.processId == cad->ProcessId;
    });
    return found == processes.end() ? nullptr : &*found;
}

FirstRunFindings Findings(const std::vector<SurveyedProcess>& processes,
                          const ToolSettings& settings, FirstRunFault fault,
                          const CadInstance* cad) {
    if (fault == FirstRunFault::NoCad) {
        return ProposeAfterNoCad(processes, settings);
    }
    const SurveyedProcess* process = ProcessOf(processes, cad);
    if (!process) {
        return {}; // the process ended meanwhile
    }
    if (fault == FirstRunFault::NoMainWindow) {
        return ProposeAfterNoMainWindow(*process, settings);
    }
    return ProposeAfterNoCommandArea(*process, cad->MainWindow, settings);
}

} // namespace

Failure FirstRunFailure(const Desktop& desktop, FileAccess& files, TextView programFolder,
                        const ToolSettings& settings, FirstRunFault fault, const CadInstance* cad) {
    const std::vector<SurveyedProcess> processes = SurveyCadProcesses(desktop, settings.ACADName);
    const FirstRunFindings findings = Findings(processes, settings, fault, cad);
    ReportPlace report{ToolFilePath(programFolder, kCadWindowReportName), true};
    report.written =
        files.ReplaceWholeFile(report.path, CadWindowReportBytes(processes, findings)).written;
    switch (fault) {
    case FirstRunFault::NoCad:
        return Failure{StopKind::NoCad,
                       NoCadFoundFirstRunMessage(settings.ACADName, findings.quoted,
                                                 findings.proposal, report)};
    case FirstRunFault::NoMainWindow:
        return Failure{StopKind::NoCad,
                       NoMainWindowFirstRunMessage(settings.ACADName, settings.MainCaption,
                                                   findings.quoted, findings.proposal, report)};
    case FirstRunFault::NoCommandArea:
        break;
    }
    return Failure{StopKind::NoCad,
                   NoCommandAreaFirstRunMessage(settings.CommandCaption, settings.CommandClass,
                                                findings.quoted, findings.proposal, report)};
}

} // namespace vr

// What a report says about the program and the computer. The parts that do not change are read once when
// the reporter is installed, so a report on a damaged heap or a full stack needs no allocation for them.
#pragma once

#include <windows.h>

#include <string>

#include "crash/report.h"

namespace huecast::crash {

struct ProgramInfo {
    char exePath[MAX_PATH] = {};
    char startDirectory[MAX_PATH] = {};
    char description[256] = {};  // the version resource's file description, or the file name
    char version[48] = {};       // "major.minor.release.build"; empty without a version resource
    ReportTime startTime;
    char computerName[MAX_COMPUTERNAME_LENGTH + 1] = {};
    char osName[64] = {};
    char osBuild[16] = {};
    char language[128] = {};
};

void ReadProgramInfo(ProgramInfo& info);

// The version resource of a module file: the file description of its first translation and the file
// version. Returns false when the file has none.
bool ReadVersionResource(const char* path, std::string& description, std::string& version);

ReportTime ToReportTime(const SYSTEMTIME& time);
ReportTime LocalNow();

// Memory and the disk that holds `path`, in bytes; zero for what cannot be read.
void ReadMemoryAndDisk(const char* path, ReportData& data);

}  // namespace huecast::crash

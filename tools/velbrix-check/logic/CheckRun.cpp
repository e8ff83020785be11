#include "velbrix-check/logic/CheckRun.h"

#include <algorithm>

namespace {

const std::wstring CHECKER_VERSION = L"" VELBRIX_CHECK_VERSION;

std::wstring Text(CheckLanguage language, CheckText text, const std::vector<std::wstring>& values = {}) {
    return FillText(TextOf(language, text), values);
}

bool AsksForHelp(const std::wstring& argument) {
    return argument == L"/?" || argument == L"-?" || argument == L"-h" || argument == L"--help";
}

} // namespace

std::vector<std::wstring> ReportLines(const FolderCheck& check, CheckLanguage language) {
    std::vector<std::wstring> lines = {Text(language, CheckText::HEADING, {CHECKER_VERSION, check.Folder})};
    for (const Finding& finding : check.Found) {
        const CheckText label = finding.Level == Severity::Problem ? CheckText::LABEL_PROBLEM : CheckText::LABEL_NOTE;
        lines.push_back(Text(language, label) + L": " + finding.Where.Text + L": " +
                        Text(language, finding.Text, finding.Values));
    }
    const auto problems = std::count_if(check.Found.begin(), check.Found.end(),
                                        [](const Finding& finding) { return finding.Level == Severity::Problem; });
    if (check.Exit == EXIT_FOLDER_UNREADABLE) {
        lines.push_back(Text(language, CheckText::SUMMARY_UNREADABLE));
    } else if (problems > 0) {
        lines.push_back(Text(language, CheckText::SUMMARY_PROBLEMS, {Number(static_cast<uint64_t>(problems))}));
    } else {
        lines.push_back(Text(language, CheckText::SUMMARY_NOTHING_WRONG, {Number(check.Models)}));
    }
    return lines;
}

int RunVelbrixCheck(const std::vector<std::wstring>& arguments, const CheckPorts& ports,
                    IUserInterfaceLanguage& userLanguage, ICheckOutput& output, ListenPorts* listen) {
    const CheckLanguage language = CheckLanguageFor(userLanguage.UserDefaultUILanguage());
    if (!arguments.empty() && arguments[0] == L"--listen") {
        if (listen == nullptr) {
            return EXIT_COULD_NOT_LISTEN;
        }
        return RunListenCheck(std::vector<std::wstring>(arguments.begin() + 1, arguments.end()), *listen, language,
                              output);
    }
    const bool help = arguments.size() == 1 && AsksForHelp(arguments[0]);
    if (help || arguments.size() > 1) {
        for (const CheckText text :
             {CheckText::USAGE, CheckText::USAGE_WHAT, CheckText::USAGE_EXIT, CheckText::USAGE_LISTEN}) {
            output.WriteLine(Text(language, text));
        }
        return help ? EXIT_NOTHING_WRONG : EXIT_FOLDER_UNREADABLE;
    }
    const FolderCheck check = CheckSupplierFolder(arguments.empty() ? std::wstring() : arguments[0], ports, language);
    for (const std::wstring& line : ReportLines(check, language)) {
        output.WriteLine(line);
    }
    return check.Exit;
}

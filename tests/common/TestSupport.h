#pragma once
#include <windows.h>
#include <string>

// Where the build put the program and the test tools, as Windows paths.
std::string PatchWizardExe();
std::string ToolPath(const std::string& exeName);

// Runs a command line to its end; returns its exit code (or -1) and
// fills *pOutput with what it wrote to standard output, when given.
int RunCommand(const std::string& commandLine, std::string* pOutput = NULL, DWORD timeoutMs = 60000);

// Registry helpers for arranging and checking keys, straight on the API.
bool KeyExists(HKEY hRoot, const std::string& path);
void DeleteKeyTree(HKEY hRoot, const std::string& path);
bool SetStringValue(HKEY hRoot, const std::string& path, const std::string& name, const std::string& value,
                    DWORD type = REG_SZ);
bool SetBinaryValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD type, const void* data,
                    DWORD size);
bool SetDWordValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD value);
bool ValueExists(HKEY hRoot, const std::string& path, const std::string& name);

// Files.
std::string TempFolder();  // the system's temporary directory, without the trailing backslash
std::string MakeScratchDir(const std::string& name);  // new empty folder under TempFolder()
bool FileExists(const std::string& path);
bool DirExists(const std::string& path);
bool WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
void RemoveTree(const std::string& path);

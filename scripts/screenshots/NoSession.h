#pragma once

#include "platform/Printer.h"
#include "platform/SessionControl.h"
#include "platform/WebBrowser.h"

// Pictures must never end the session of the machine they are taken on, nor print.
class NoSession : public sylvenor::SessionControl,
                  public sylvenor::WebBrowser,
                  public sylvenor::Printer {
 public:
  void quitProgram() override {}
  void powerOff() override {}
  void reboot() override {}
  void open(const std::string&) override {}
  int printEmptyLine() override { return 0; }
  int setFontName(const std::string&) override { return 0; }
  int printText(const std::string&) override { return 0; }
  int newPage() override { return 0; }
  int printImage(const QImage&) override { return 0; }
  int endDocument() override { return 0; }
};

#pragma once
// The shipped example design (data/inputstart.txt: IPE 400 under a 160 x 2000
// slab) in a temporary work folder, and a console that discards the engine's
// lines after formatting them, as a pipe to the front end would take them.
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

#include "analysis/calculation.h"
#include "io/design_input.h"
#include "io/result_writer.h"

namespace benchexample {

// Swallows everything written to it.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

// Standard output and standard error go to a NullBuffer while it lives.
class QuietConsole {
public:
    QuietConsole();
    ~QuietConsole();
    QuietConsole(const QuietConsole &) = delete;
    QuietConsole &operator=(const QuietConsole &) = delete;

private:
    NullBuffer null_;
    std::streambuf *out_, *err_;
};

// A temporary work folder whose run folder "1" holds the example as input.txt.
class ExampleFolder {
public:
    ExampleFolder();
    ~ExampleFolder();
    ExampleFolder(const ExampleFolder &) = delete;
    ExampleFolder &operator=(const ExampleFolder &) = delete;
    bool ready() const { return ready_; }
    const std::string &workFolder() const { return work_; }  // with trailing separator
    std::string runFolder() const { return work_ + std::to_string(run_); }
    // Replaces the run folder by a fresh one with the next number, holding
    // only input.txt, as the front end prepares every calculation.
    bool nextRunFolder();

private:
    bool makeRunFolder();
    std::string root_, work_;
    int run_ = 1;
    bool ready_ = false;
};

// The example read as the engine reads it, with its models built.
class ExampleCalculation {
public:
    ExampleCalculation();
    bool ready() const { return ready_; }
    Calculation &calc() { return *calc_; }
    CompositeSection &section() { return calc_->section(); }
    const DesignInput &input() const { return input_; }
    ResultWriter &writer() { return *writer_; }

private:
    ExampleFolder folder_;
    DesignInput input_;
    std::unique_ptr<ResultWriter> writer_;
    std::unique_ptr<Calculation> calc_;
    bool ready_ = false;
};

}  // namespace benchexample

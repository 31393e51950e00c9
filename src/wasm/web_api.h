// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace vantrell::web {

// The browser edition's whole API: one request as JSON in, one answer as JSON out.
// A request is {"op": NAME, ...}; every answer has "ok" and "messages" (what the windows
// would have shown in message boxes, in order). A refused request changes nothing.
//
//   open        {text}                     a problem file's content, as Open reads it
//   problem     {}                         the problem now held, as the page's form
//   setProblem  {name, minimize, decimals, objective: [9 texts], constraints: [{name,
//               coefficients: [9 texts], relation, rhs}]}   an empty text is no term
//   save        {}                         the problem file, byte for byte (CR LF), base64
//   run         {dual, options}            options: method, rule, numbers, bigM
//   view        {dual, options}            the kept run in other display options
//   solve       {}                         both runs as `vantrell-cli solve --json` writes them
//   report      {clock}                    the solution report of both runs (CR LF)
//   latex       {dual}                     the LaTeX document of a kept run
//   plot        {dual}                     region, corners, lines, path, objective sweep
//   sensitivity {dual}                     the two tables of an optimal kept run
//   practice    {dual, level}              starts practising a kept run
//   answer      {text}                     one answer to the practice question
//   exercise    {kind, seed}               a new exercise replaces the problem
class Session {
  public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::string Call(const std::string& request);

  private:
    struct State;
    std::unique_ptr<State> mState;
};

}  // namespace vantrell::web

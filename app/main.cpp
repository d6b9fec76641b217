// qvhost: the command line of the host. Wires the subcommands to their implementations.
#include <CLI/CLI.hpp>
#include <cstdlib>

#include "commands.h"
#include "host_session.h"

int main(int argc, char** argv) {
  CLI::App app{"qvhost: runs the QV17 tool plug-ins on vector documents"};
  app.require_subcommand(1);
  std::string plugins = qv::app::defaultPluginsFolder().string();
  if (const char* env = std::getenv("QVHOST_PLUGINS")) plugins = env;
  app.add_option("--plugins", plugins, "Folder of plug-in modules (default: next to qvhost)")
      ->capture_default_str();

  auto* pluginsCommand =
      app.add_subcommand("plugins", "List the modules, their tools and the About menu");
  std::string aboutName;
  auto* aboutCommand = app.add_subcommand("about", "Show a module's about box");
  aboutCommand->add_option("NAME", aboutName, "Plug-in name, e.g. QV17_Tessaly1")->required();

  std::string scriptFile;
  auto* runCommand = app.add_subcommand("run", "Run a script of steps (see docs/scripts.md)");
  runCommand->add_option("SCRIPT", scriptFile, "Script file (JSON)")->required();
  std::string outputFolder;
  runCommand->add_option("--out", outputFolder,
                         "Folder for the files the script saves (default: the script's folder)");

  std::string paletteName;
  auto* paletteCommand =
      app.add_subcommand("palette", "Select a module's tool and print the palette it makes");
  paletteCommand->add_option("PLUGIN", paletteName, "Plug-in name, e.g. QV17_Tessaly1")->required();

  std::string demoFolder = "qvhost-demo";
  auto* demoCommand = app.add_subcommand(
      "demo", "Make the demo gallery: each tool on a sample drawing, SVG and PNG per panel");
  demoCommand->add_option("--out", demoFolder, "Folder for the gallery")->capture_default_str();

  CLI11_PARSE(app, argc, argv);
  if (*pluginsCommand) return qv::app::runPluginsCommand(plugins);
  if (*aboutCommand) return qv::app::runAboutCommand(plugins, aboutName);
  if (*runCommand) return qv::app::runRunCommand(plugins, scriptFile, outputFolder);
  if (*paletteCommand) return qv::app::runPaletteCommand(plugins, paletteName);
  if (*demoCommand) return qv::app::runDemoCommand(plugins, demoFolder);
  return 1;
}

-- Renders the session range through Ardour's own export, as 32-bit float at the session rate.
local dir = os.getenv("VELQA_SESSION_DIR")
local name = os.getenv("VELQA_SESSION_NAME")
local function fail(message)
  io.stderr:write("FAIL: " .. message .. "\n")
  AudioEngine:stop(false)
  os.exit(1)
end

AudioEngine:set_backend("None (Dummy)", "", "")
local session = load_session(dir, name)
if not session then fail("load_session " .. dir) end
local export = session:simple_export()
if not export:set_preset(os.getenv("VELQA_EXPORT_PRESET")) then fail("export preset") end
export:set_folder(os.getenv("VELQA_EXPORT_FOLDER"))
export:set_name("ardour")
export:set_range(session:current_start_sample(), session:current_end_sample())
if not export:run_export() then fail("export") end
io.stderr:write("exported " .. session:current_end_sample() - session:current_start_sample() .. " frames\n")
AudioEngine:stop(false)
os.exit(0)

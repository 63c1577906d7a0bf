-- Builds the acceptance session: a stereo track with Velqa and two parameters set by name.
-- Runs under ardour7-lua; paths and values come from the environment.
local dir = os.getenv("VELQA_SESSION_DIR")
local name = os.getenv("VELQA_SESSION_NAME")
local function fail(message)
  io.stderr:write("FAIL: " .. message .. "\n")
  AudioEngine:stop(false)
  os.exit(1)
end

AudioEngine:set_backend("None (Dummy)", "", "")
local session = create_session(dir, name, 48000)
if not session then fail("create_session " .. dir) end

local tracks = session:new_audio_track(2, 2, nil, 1, "Fx", ARDOUR.PresentationInfo.max_order,
                                       ARDOUR.TrackMode.Normal, true)
local track = tracks:front()
-- Only the main output pair feeds the track; the four extra outputs stay unrouted.
track:set_strict_io(true)
local velqa = ARDOUR.LuaAPI.new_plugin(session, "Velqa", ARDOUR.PluginType.VST3, "")
if velqa:isnil() then fail("Ardour does not know the Velqa VST3 plug-in (scan first)") end
if track:add_processor_by_index(velqa, 0, nil, true) ~= 0 then fail("insert Velqa") end

local plugin = velqa:to_insert():plugin(0)
local function control(label)
  for i = 0, plugin:parameter_count() - 1 do
    if plugin:parameter_is_control(i) and plugin:parameter_label(i) == label then return i end
  end
  fail("no parameter " .. label)
end
for setting in string.gmatch(os.getenv("VELQA_SETTINGS"), "[^,]+") do
  local label, value = string.match(setting, "([^=]+)=(.+)")
  if not ARDOUR.LuaAPI.set_processor_param(velqa, control(label), tonumber(value)) then
    fail("set " .. setting)
  end
end
-- The plug-in hears parameter changes only when the engine runs.
ARDOUR.LuaAPI.wait_for_process_callback(8, 2000)
session:save_state("", false, false, false, false, false)
io.stderr:write("built " .. dir .. "\n")
AudioEngine:stop(false)
os.exit(0)

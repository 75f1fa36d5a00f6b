"""Random calls with extreme values: each one returns or raises, the process lives on."""
import rcalab
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

EXTREMES = [0, 1, -1, 99, 100, 101, 799, 800, 2**15, 2**31 - 1, -2**31, 2**32, 2**63 - 1, -2**63]
numbers = st.one_of(st.sampled_from(EXTREMES), st.integers(-1000, 1000))
forms = st.sampled_from(["TForm1", "TForm3", "TForm5", "TForm6", "TForm10", "TForm11",
                         "TForm12", "TForm13", "TForm14", "TForm15", "TForm99"])
names = st.sampled_from([
    "lineI", "lineII", "startLineI", "lineLength", "stepsPerPress", "stepTime", "bPointCount",
    "borderMode", "randomState", "cellClockI", "markCI", "markCI[1023]", "markCI[1024]",
    "rcaTable", "rcaTable[-1]", "squareField", "squareRows", "pictureLeft", "pictureTop",
    "freezeMask", "columnWeights", "changeMatrix", "Edit1", "Edit2", "Edit7", "UpDown1",
    "RadioGroup2", "Label57", "StatusBar1", "Timer1", "TForm6.Button14", "Nope", "[", "lineI[2",
]) | st.text(max_size=12)
values = st.one_of(numbers.map(str), st.sampled_from(["AAAB", "C" * 101, "", "1e999", "nan",
                                                      "-", "0x10", "AAAAAA BBB"]),
                   st.text(max_size=12), numbers, st.floats(), st.booleans(),
                   st.lists(st.one_of(numbers, st.sampled_from(["A", "Q", 1.5])), max_size=5))
edits = st.sampled_from(["Edit1", "Edit2", "Edit7", "Edit10", "TForm10.Edit1", "Button58"])
clickable = st.sampled_from(["Button58", "Button2", "Button3", "Button6", "Button8", "CheckBox33",
                             "ReadCA1", "Rsq51", "Readmask1", "READFROMFILE1", "ShowCA1",
                             "Label57", "Nope"])
timers = st.sampled_from(["Timer1", "Timer3", "Timer6", "Timer7", "Timer8", "Timer10", "Nope"])

calls = st.one_of(
    st.tuples(st.just("mouse"), st.sampled_from(["down", "up", "move", "wheel"]), numbers,
              numbers, st.sampled_from(["left", "right", "middle"]), forms),
    st.tuples(st.just("set"), names, values),
    st.tuples(st.just("get"), names),
    st.tuples(st.just("type"), edits, values),
    st.tuples(st.just("select"), st.sampled_from(["RadioGroup2", "RadioGroup3", "RadioGroup12"]),
              numbers),
    st.tuples(st.just("updown"), st.sampled_from(["UpDown1", "UpDown2", "UpDown6"]),
              st.booleans(), st.integers(-5, 40)),
    st.tuples(st.just("click"), clickable),
    st.tuples(st.just("call"), st.sampled_from(["Button2Click", "Button3Click", "FormShow",
                                                "TForm10.FormShow", "NoSuchClick"])),
    st.tuples(st.just("tick"), timers, st.integers(-3, 20)),
    st.tuples(st.just("advance"), st.sampled_from([-2**63, -1, 0, 1, 250])),
    st.tuples(st.just("canvas"), forms),
    st.tuples(st.just("answer"), st.sampled_from([None, "", "x/y/z.dat", "/dev/null/x"])),
)


@settings(max_examples=150, deadline=None, database=None,
          suppress_health_check=[HealthCheck.function_scoped_fixture, HealthCheck.too_slow])
@given(st.lists(calls, min_size=1, max_size=6))
def test_random_calls_return_or_raise(workdir, script):
    w = rcalab.Workbench(workdir)
    for verb, *args in script:
        try:
            getattr(w, verb)(*args)
        except (rcalab.ScriptError, OSError, ValueError, TypeError, OverflowError, IndexError) as e:
            assert str(e)


def test_the_extreme_mouse_press_raises(workdir):
    w = rcalab.Workbench(workdir)
    for x, y in [(2**31 - 1, 5), (5, -2**31)]:
        try:
            w.mouse("down", x, y, "left", "TForm10")
        except RuntimeError as e:
            assert "outside" in str(e)
    assert w.get("lineLength") > 0


# Keyword values of every form the typed calls take, good and bad, kept small
# so each call that runs is quick.
lengths = st.one_of(
    st.tuples(st.integers(-2, 12), st.integers(-2, 13)),
    st.builds(range, st.integers(4, 10), st.integers(5, 12), st.sampled_from([1, 1, 2])),
    st.sampled_from(["6..9", "9..6", "x..y", "", [6, 8], 6, None, (6.0, 8)]),
)
mask_values = st.one_of(
    st.sampled_from(["L1,R1,R2", "none", "Q9", "", "L12", ["L1", "R1"], ("R2",), [], (1, 4),
                     (31, 32), (True, 1), 5]),
    st.text(max_size=6),
)
small = st.one_of(st.sampled_from([None, True, 1.5, "3"]), st.integers(-3, 40),
                  st.sampled_from(EXTREMES))
flags = st.sampled_from([True, False, 1, "yes", None])
shards = st.sampled_from([None, (0, 2), (1, 2), (2, 2), "0/1", "1/0", "a/b", (0, 0), [0, 3]])
call_forms = st.one_of(
    st.builds(lambda length, mask, all_, trials, threads, shard, cases: (
        "verdicts", (length,), dict(mask=mask, all=all_, trials=trials, threads=threads,
                                    shard=shard, cases=cases, step_limit=200)),
        lengths, mask_values, flags, small, small, shards, flags),
    st.builds(lambda masks, lengths_, trials, threads, shard, arrays: (
        "sweep", (), dict(masks=masks, lengths=lengths_, trials=trials, threads=threads,
                          shard=shard, arrays=arrays, step_limit=200)),
        st.one_of(mask_values, st.lists(mask_values, max_size=3)), lengths, small, small, shards,
        flags),
    st.builds(lambda length, mask, trials, seed: (
        "batch", (), dict(length=length, mask=mask, trials=trials, seed=seed, step_limit=200)),
        lengths, mask_values, small, small),
)


@settings(max_examples=200, deadline=None, database=None)
@given(call_forms)
def test_typed_calls_return_or_raise(form):
    name, args, kwargs = form
    trials = kwargs.get("trials")
    if isinstance(trials, int) and trials > 1000:
        kwargs["trials"] = 2**63  # refused; as many lines as asked would take too long
    try:
        got = getattr(rcalab, name)(*args, **kwargs)
    except (TypeError, ValueError) as e:
        assert str(e) and "--" not in str(e)
    else:
        assert isinstance(got, (dict, list))

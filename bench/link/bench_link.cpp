// One link exchange (queue one 8-byte read, process, deliver) against the
// stand-in simulator in another process, and in the same run the floor of any
// such exchange on this machine: a raw SOCK_SEQPACKET round trip between two
// processes carrying the same bytes. Prints both medians and their ratio.
#include "medianreporter.h"
#include "SimLinkClient.h"
#include "simchild.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The block of one 8-byte read: header, data, end marker.
constexpr std::size_t kBlockBytes = 16 + 8 + 4;

void LinkExchange(benchmark::State &state)
{
    SimChild sim;
    DWORD result = 0;
    if (!FSUIPC_Open(SIM_ANY, result)) {
        state.SkipWithError(resultTextOf(result));
        return;
    }
    double heading = 0;
    for (auto _ : state) {
        FSUIPC_Read(0x2B00, 8, &heading, result);
        if (!FSUIPC_Process(result))
            state.SkipWithError(resultTextOf(result));
        benchmark::DoNotOptimize(heading);
    }
    FSUIPC_Close();
}

void RawSeqpacketRoundTrip(benchmark::State &state)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0)
        std::abort();
    const pid_t echo = ::fork();
    if (echo == 0) {
        ::close(fds[0]);
        char buf[kBlockBytes];
        ssize_t n;
        while ((n = ::recv(fds[1], buf, sizeof buf, 0)) > 0)
            ::send(fds[1], buf, static_cast<std::size_t>(n), 0);
        ::_exit(0);
    }
    ::close(fds[1]);
    char block[kBlockBytes] = {1};
    for (auto _ : state) {
        ::send(fds[0], block, sizeof block, 0);
        ::recv(fds[0], block, sizeof block, 0);
        benchmark::DoNotOptimize(block);
    }
    ::close(fds[0]);
    ::waitpid(echo, nullptr, 0);
}

BENCHMARK(RawSeqpacketRoundTrip)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(LinkExchange)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    PrivateEndpoints endpoints;
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = reporter.of("RawSeqpacketRoundTrip").real;
    const double link = reporter.of("LinkExchange").real;
    if (floor > 0 && link > 0)
        std::printf("\nmedian link exchange %.2f us, raw round trip %.2f us, ratio %.2f\n", link / 1000.0,
                    floor / 1000.0, link / floor);
    return 0;
}

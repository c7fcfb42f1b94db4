#include "strtab.h"

#include <QCoreApplication>
#include <QByteArray>

namespace StrTable {

namespace {

struct Row {
    const char *key;
    const char *text;
};

// The one list of the table's rows, in row order: the enumerators of strtab.h name the
// rows, and the English texts are the source texts of the translation catalogues
// (strtab.py reads them from here). Texts hold no backslash, tab or
// line break; rows that share a text share its translation.
const Row rows[NUM_STRING_IDS] = {
    {"main_desc_last_upload", "Last upload:"},
    {"setting_filter_point_prefix", "Skip files whose names begin with %1"},
    {"msg_checkpass", "Please check your user name and password."},
    {"app_name", "Orvanta Backup"},
    {"err_autoconn_invalidid", "The automatic connection ID is not valid."},
    {"wizard_invalid_sync_folder_warning",
     "The selected folder cannot be backed up. Please choose another folder."},
    {"wizard_connection_desc",
     "Enter the address of your backup server and the account to sign in with."},
    {"connection_username", "User name:"},
    {"err_sync_direction_mismatch",
     "The backup direction of this folder does not match the setting on the server."},
    {"connection_enter_otp", "Enter the verification code from your authenticator app:"},
    {"msg_share_quotafull", "The shared folder on the server has reached its quota."},
    {"err_ssl_verify_fail", "The SSL certificate of the server could not be verified."},
    {"setting_tab_connection", "Connection"},
    {"btn_proxy", "Proxy"},
    {"btn_done", "Done"},
    {"tray_exit", "Exit"},
    {"backup_chooser_desc", "Choose the folders on this computer that you want to back up."},
    {"main_queue_completed", "Completed"},
    {"err_hx_change", "The identity of the server has changed since the last connection."},
    {"err_local_sync_folder_miss", "The local backup folder cannot be found."},
    {"connection_server", "Server address:"},
    {"wizard_welcome_help", "Need help? Open the online help for set-up instructions."},
    {"btn_wizard_readonly_yes", "OK"},
    {"err_database", "The local database could not be opened or is damaged."},
    {"wizard_welcome_slogan", "Your files, safely backed up."},
    {"setting_option_use_black_white_icon", "Use a black and white tray icon"},
    {"err_share_not_mounted", "The shared folder on the server is not mounted."},
    {"main_queue_column_progress", "Progress"},
    {"tray_main_app", "Open Orvanta Backup"},
    {"err_proto", "The server sent a response that could not be understood."},
    {"err_syncfolder_not_mounted", "The backup folder is on a drive that is not mounted."},
    {"btn_unlink", "Unlink"},
    {"err_diskfull", "There is not enough free space on the local disk."},
    {"err_user_home_disabled",
     "The home folder service is disabled for your account on the server."},
    {"main_status_uptodate", "Up to date"},
    {"wizard_diskfull_sync_folder_warning",
     "The disk of the selected folder is full. Please free some space or choose another folder."},
    {"msg_about", "Orvanta Backup version %1"},
    {"err_backup_fail", "Failed to back up %1."},
    {"wizard_summary_table_path", "Local path"},
    {"setting_proxy_manual", "Manual proxy configuration"},
    {"wizard_summary_table_remote_title", "Destination"},
    {"err_otp_required", "A verification code is required to sign in."},
    {"connection_unlink_confirm",
     "Unlink this computer from the server? Backups stop until you connect again."},
    {"btn_resume", "Resume"},
    {"setting_proxy_password", "Password:"},
    {"desc_orvt_env_preparing", "Orvanta Backup is initializing..."},
    {"backup_chooser_no_folder_selected", "No folder has been selected."},
    {"setting_proxy_sys_proxy", "Use the system proxy settings"},
    {"btn_wizard_readonly_no", "No"},
    {"setting_tab_folder", "Local folders"},
    {"main_queue_column_file", "File"},
    {"setting_proxy_err_empty_username", "Please enter a user name for the proxy server."},
    {"setting_tab_filter", "Filter"},
    {"msg_ssl_change",
     "The SSL certificate of the server has changed. Do you trust the new certificate?"},
    {"connection_unlinking", "Unlinking..."},
    {"connection_ssl", "Use a secure connection (SSL)"},
    {"version", "Version"},
    {"main_queue_title", "Transfer queue"},
    {"btn_pause", "Pause"},
    {"wizard_source_readonly_warning",
     "The source folder is read-only. Its files can be backed up but not restored into it."},
    {"read_only_tooltip", "This folder is read-only."},
    {"msg_error", "Error"},
    {"main_status_pause", "Paused"},
    {"tray_upgrade", "Upgrade"},
    {"setting_option_language_restart",
     "The language changes to %1 after Orvanta Backup restarts."},
    {"setting_proxy_err_invalid_port", "The proxy port must be a number from 1 to 65535."},
    {"main_queue_uploading", "Uploading"},
    {"wizard_ssl_change_sync_folder_warning", "The SSL certificate of the server has changed."},
    {"err_ip_not_allowed", "Connections from your IP address are not allowed by the server."},
    {"connection_password", "Password:"},
    {"backup_chooser_destination", "Destination"},
    {"msg_test_connect", "Testing the connection..."},
    {"msg_ssl_error", "A secure connection to the server could not be established."},
    {"btn_no_need", "Not now"},
    {"setting_proxy_port", "Port:"},
    {"wizard_connection_title", "Connect to your backup server"},
    {"err_otp_invalid", "The verification code is not valid."},
    {"btn_select", "Select"},
    {"wizard_share_name_duplicate_warning",
     "A backup with this name already exists on the server. Please choose another name."},
    {"wizard_welcome_info", "This wizard helps you set up your first backup task."},
    {"main_status_connecting", "Connecting..."},
    {"share_enabled", "Sharing is enabled"},
    {"tray_about", "About"},
    {"wizard_access_deny_sync_folder_warning",
     "You do not have permission to access the selected folder."},
    {"err_quotafull", "Your storage quota on the server is full."},
    {"setting_filter_table_editor_tooltip", "Double-click an entry to edit it."},
    {"btn_continue", "Continue"},
    {"setting_filter_max_size", "Maximum file size (MB):"},
    {"main_status_syncing", "Backing up..."},
    {"wizard_quotafull_sync_folder_warning",
     "The destination has no quota left. Free some space on the server or choose another one."},
    {"err_max_tries", "Too many failed attempts. Please try again later."},
    {"setting_filter_zero_desc", "A size of 0 means no limit."},
    {"err_abnormal", "An unexpected error occurred."},
    {"err_init_failed", "Orvanta Backup could not be started."},
    {"err_hx_not_match", "The server does not match the one this backup task was created for."},
    {"treedialog_server_desc", "Select a destination folder on the server."},
    {"msg_test_username_fail", "The user name or password is incorrect."},
    {"setting_option_language_title", "Language:"},
    {"setting_option_language_default", "System default"},
    {"btn_ssl_continue", "Trust and continue"},
    {"wizard_summary_table_local_title", "Local folders"},
    {"wizard_setsyncfolder_desc",
     "Choose a folder on this computer and the destination folder on the server."},
    {"err_otp_enforced", "Your administrator requires two-step verification for your account."},
    {"btn_next", "Next"},
    {"btn_apply", "Apply"},
    {"setting_proxy_err_ipport_empty", "Please enter the address and port of the proxy server."},
    {"wizard_user_disable_sync_folder_warning", "Your account is disabled on the server."},
    {"wizard_conflict_backup_warning", "This folder is already backed up by another backup task."},
    {"err_no_valid_folder", "There is no valid folder to back up."},
    {"main_queue_locking", "Waiting for file lock"},
    {"setting_proxy_no_proxy", "No proxy"},
    {"tray_help", "Help"},
    {"err_version_server",
     "The server version is too old for this client. Please update the server."},
    {"treedialog_pc_title", "Select a folder on this computer"},
    {"setting_filter_size_limit_tooltip", "Files larger than this size are not backed up."},
    {"btn_ok", "OK"},
    {"setting_filter_ignore_local_delete",
     "Keep files on the server when they are deleted locally"},
    {"err_network", "The network connection failed. Please check your network and try again."},
    {"main_queue_column_status", "Status"},
    {"wizard_ssl_verify_fail_sync_folder_warning",
     "The SSL certificate of the server could not be verified."},
    {"backup_chooser_choose_source", "Choose source folders"},
    {"wizard_readonly_backup_desc",
     "Back up a read-only folder? Its files are copied to the server; nothing is written back."},
    {"setting_proxy_ip", "Address:"},
    {"title_ssl_warning", "Security warning"},
    {"setting_tab_proxy", "Proxy"},
    {"main_queue_waiting", "Waiting"},
    {"msg_download_downloading", "Downloading..."},
    {"wizard_welcome_desc", "Back up the folders of this computer to your server automatically."},
    {"setting_proxy_username", "Proxy user name:"},
    {"connection_use_farlink", "Connect through the relay service"},
    {"wizard_summary_table_account", "Account"},
    {"wizard_system_err_sync_folder_warning", "A system error occurred: %1"},
    {"wizard_share_nonexist_sync_folder_warning",
     "The destination shared folder does not exist on the server."},
    {"wizard_summary_title", "Summary"},
    {"main_queue_preparing", "Preparing"},
    {"setting_tab_option", "Options"},
    {"wizard_readonly_sync_folder_warning",
     "You only have read access to the destination folder on the server."},
    {"main_status_error", "Backup error"},
    {"tray_click_to_update", "A new version is available. Click here to update."},
    {"read_only", "Read-only"},
    {"err_autoconn_ctrl", "Automatic connection is disabled by your administrator."},
    {"wizard_conflict_sync_folder_warning",
     "The selected folder overlaps a folder of another backup task."},
    {"btn_advanced", "Advanced"},
    {"main_desc_processing_count", "Processing %1 file(s)..."},
    {"wizard_summary_table_except_path", "Excluded paths"},
    {"err_share_perm", "You do not have permission to use this shared folder."},
    {"setting_filter_table_desc", "Files with these extensions are not backed up:"},
    {"err_auth", "Authentication failed."},
    {"btn_settings", "Settings"},
    {"upgrade_failed", "The upgrade failed. Please install Orvanta Backup again."},
    {"local_hx_search", "Searching for servers on the local network..."},
    {"btn_back", "Back"},
    {"main_queue_progress", "%1 / %2"},
    {"btn_start_now", "Start now"},
    {"main_desc_processing_file", "Processing %1"},
    {"setting_proxy_auth", "The proxy server requires authentication"},
    {"wizard_summary_table_server", "Server"},
    {"wizard_setsyncfolder_title", "Choose folders"},
    {"err_invalid", "A system error occurred: %1"},
    {"err_ssl_change", "The SSL certificate of the server has changed."},
    {"err_create_session_fail", "Could not create a session on the server."},
    {"desc_orvt_env_preparation_done", "Orvanta Backup is ready."},
    {"btn_cancel", "Cancel"},
    {"err_version_client",
     "This version of Orvanta Backup is too old for the server. Please upgrade it."},
    {"setting_filter_table_title", "File extensions"},
    {"manage_setting_applying", "Applying settings..."},
    {"tray_updating", "Updating..."},
    {"wizard_find_local_hx_tooltip", "Find servers on your local network"},
    {"setting_option_start_upon_login", "Start Orvanta Backup when I log in"},
    {"wizard_summary_desc", "Check the settings below and click Done to start the backup."},
    {"wizard_network_err_sync_folder_warning",
     "The network connection failed. Please check your network and try again."},
    {"err_auth_wipe",
     "Your sign-in was revoked and the saved credentials were removed. Please sign in again."},
};

const char *stab[NUM_STRING_IDS];
const char *ktab[NUM_STRING_IDS];

} // namespace

void InitStrTable()
{
    for (unsigned int i = 0; i < NUM_STRING_IDS; ++i) {
        stab[i] = rows[i].text;
        ktab[i] = rows[i].key;
    }
}

QString LoadStr(int id)
{
    if (id < 0 || static_cast<unsigned int>(id) >= NUM_STRING_IDS || !stab[id])
        return QString();
    QString qstr = QCoreApplication::translate("global", stab[id], nullptr, -1);
    qstr.replace(QLatin1String("\\n"), QLatin1String("\n"));
    qstr.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return qstr;
}

int LookupStrID(QString strKey)
{
    const QByteArray key = strKey.toLocal8Bit();
    for (unsigned int i = 0; i < NUM_STRING_IDS; ++i) {
        if (qstricmp(key.constData(), ktab[i]) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace StrTable

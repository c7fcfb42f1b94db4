<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last upload:</source>
        <extracomment>Used by: main_desc_last_upload</extracomment>
        <translation>前回のアップロード：</translation>
    </message>
    <message>
        <source>Skip files whose names begin with %1</source>
        <extracomment>Used by: setting_filter_point_prefix</extracomment>
        <translation>名前が%1で始まるファイルをスキップする</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>Used by: msg_checkpass</extracomment>
        <translation>ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Orvanta Backup</source>
        <extracomment>Used by: app_name</extracomment>
        <translation>Orvanta Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is not valid.</source>
        <extracomment>Used by: err_autoconn_invalidid</extracomment>
        <translation>自動接続IDが無効です。</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <extracomment>Used by: wizard_invalid_sync_folder_warning</extracomment>
        <translation>選択したフォルダーはバックアップできません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <extracomment>Used by: wizard_connection_desc</extracomment>
        <translation>バックアップサーバーのアドレスと、サインインに使用するアカウントを入力してください。</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>Used by: connection_username</extracomment>
        <translation>ユーザー名：</translation>
    </message>
    <message>
        <source>The backup direction of this folder does not match the setting on the server.</source>
        <extracomment>Used by: err_sync_direction_mismatch</extracomment>
        <translation>このフォルダーのバックアップ方向が、サーバー上の設定と一致しません。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>Used by: connection_enter_otp</extracomment>
        <translation>認証アプリに表示された確認コードを入力してください：</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>Used by: msg_share_quotafull</extracomment>
        <translation>サーバー上の共有フォルダーがクォータの上限に達しました。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <extracomment>Used by: err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>サーバーのSSL証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Used by: setting_tab_connection</extracomment>
        <translation>接続</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>Used by: btn_proxy, setting_tab_proxy</extracomment>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Used by: btn_done</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Used by: tray_exit</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <extracomment>Used by: backup_chooser_desc</extracomment>
        <translation>このコンピューターでバックアップするフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>Used by: main_queue_completed</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>The identity of the server has changed since the last connection.</source>
        <extracomment>Used by: err_hx_change</extracomment>
        <translation>前回の接続以降に、サーバーの識別情報が変更されています。</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>Used by: err_local_sync_folder_miss</extracomment>
        <translation>ローカルのバックアップフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>Used by: connection_server</extracomment>
        <translation>サーバーアドレス：</translation>
    </message>
    <message>
        <source>Need help? Open the online help for set-up instructions.</source>
        <extracomment>Used by: wizard_welcome_help</extracomment>
        <translation>お困りですか？セットアップの手順はオンラインヘルプをご覧ください。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Used by: btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database could not be opened or is damaged.</source>
        <extracomment>Used by: err_database</extracomment>
        <translation>ローカルデータベースを開けないか、データベースが破損しています。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>Used by: wizard_welcome_slogan</extracomment>
        <translation>大切なファイルを、安全にバックアップ。</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <extracomment>Used by: setting_option_use_black_white_icon</extracomment>
        <translation>白黒のトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>Used by: err_share_not_mounted</extracomment>
        <translation>サーバー上の共有フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Used by: main_queue_column_progress</extracomment>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Open Orvanta Backup</source>
        <extracomment>Used by: tray_main_app</extracomment>
        <translation>Orvanta Backupを開く</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>Used by: err_proto</extracomment>
        <translation>サーバーから解釈できない応答が返されました。</translation>
    </message>
    <message>
        <source>The backup folder is on a drive that is not mounted.</source>
        <extracomment>Used by: err_syncfolder_not_mounted</extracomment>
        <translation>バックアップフォルダーのあるドライブがマウントされていません。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>Used by: btn_unlink</extracomment>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>Used by: err_diskfull</extracomment>
        <translation>ローカルディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>Used by: err_user_home_disabled</extracomment>
        <translation>サーバー上で、お使いのアカウントのホームフォルダーサービスが無効になっています。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>Used by: main_status_uptodate</extracomment>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>The disk of the selected folder is full. Please free some space or choose another folder.</source>
        <extracomment>Used by: wizard_diskfull_sync_folder_warning</extracomment>
        <translation>選択したフォルダーのディスクがいっぱいです。空き容量を増やすか、別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Orvanta Backup version %1</source>
        <extracomment>Used by: msg_about</extracomment>
        <translation>Orvanta Backup バージョン %1</translation>
    </message>
    <message>
        <source>Failed to back up %1.</source>
        <extracomment>Used by: err_backup_fail</extracomment>
        <translation>%1のバックアップに失敗しました。</translation>
    </message>
    <message>
        <source>Local path</source>
        <extracomment>Used by: wizard_summary_table_path</extracomment>
        <translation>ローカルパス</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>Used by: setting_proxy_manual</extracomment>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>Used by: wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>Used by: err_otp_required</extracomment>
        <translation>サインインには確認コードが必要です。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups stop until you connect again.</source>
        <extracomment>Used by: connection_unlink_confirm</extracomment>
        <translation>このコンピューターとサーバーのリンクを解除しますか？再び接続するまでバックアップは停止します。</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>Used by: btn_resume</extracomment>
        <translation>再開</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Used by: setting_proxy_password, connection_password</extracomment>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Orvanta Backup is initializing...</source>
        <extracomment>Used by: desc_orvt_env_preparing</extracomment>
        <translation>Orvanta Backupを初期化しています…</translation>
    </message>
    <message>
        <source>No folder has been selected.</source>
        <extracomment>Used by: backup_chooser_no_folder_selected</extracomment>
        <translation>フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>Used by: setting_proxy_sys_proxy</extracomment>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Used by: btn_wizard_readonly_no</extracomment>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>Used by: setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Used by: main_queue_column_file</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_empty_username</extracomment>
        <translation>プロキシサーバーのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Used by: setting_tab_filter</extracomment>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Do you trust the new certificate?</source>
        <extracomment>Used by: msg_ssl_change</extracomment>
        <translation>サーバーのSSL証明書が変更されました。新しい証明書を信頼しますか？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>Used by: connection_unlinking</extracomment>
        <translation>リンクを解除しています…</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>Used by: connection_ssl</extracomment>
        <translation>安全な接続（SSL）を使用する</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Used by: version</extracomment>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>Used by: main_queue_title</extracomment>
        <translation>転送キュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Used by: btn_pause</extracomment>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>Used by: wizard_source_readonly_warning</extracomment>
        <translation>バックアップ元フォルダーは読み取り専用です。ファイルのバックアップはできますが、このフォルダーへの復元はできません。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>Used by: read_only_tooltip</extracomment>
        <translation>このフォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Used by: msg_error</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Used by: main_status_pause</extracomment>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>Used by: tray_upgrade</extracomment>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>The language changes to %1 after Orvanta Backup restarts.</source>
        <extracomment>Used by: setting_option_language_restart</extracomment>
        <translation>Orvanta Backupの再起動後に、言語が%1に変更されます。</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>Used by: setting_proxy_err_invalid_port</extracomment>
        <translation>プロキシのポートには1～65535の数値を指定してください。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>Used by: main_queue_uploading</extracomment>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <extracomment>Used by: wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>サーバーのSSL証明書が変更されました。</translation>
    </message>
    <message>
        <source>Connections from your IP address are not allowed by the server.</source>
        <extracomment>Used by: err_ip_not_allowed</extracomment>
        <translation>お使いのIPアドレスからの接続は、サーバーで許可されていません。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>Used by: msg_test_connect</extracomment>
        <translation>接続をテストしています…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>Used by: msg_ssl_error</extracomment>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>Used by: btn_no_need</extracomment>
        <translation>後で</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>Used by: setting_proxy_port</extracomment>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Connect to your backup server</source>
        <extracomment>Used by: wizard_connection_title</extracomment>
        <translation>バックアップサーバーに接続</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <extracomment>Used by: err_otp_invalid</extracomment>
        <translation>確認コードが無効です。</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Used by: btn_select</extracomment>
        <translation>選択</translation>
    </message>
    <message>
        <source>A backup with this name already exists on the server. Please choose another name.</source>
        <extracomment>Used by: wizard_share_name_duplicate_warning</extracomment>
        <translation>この名前のバックアップはサーバー上に既に存在します。別の名前を指定してください。</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <extracomment>Used by: wizard_welcome_info</extracomment>
        <translation>このウィザードでは、最初のバックアップタスクを設定します。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>Used by: main_status_connecting</extracomment>
        <translation>接続中…</translation>
    </message>
    <message>
        <source>Sharing is enabled</source>
        <extracomment>Used by: share_enabled</extracomment>
        <translation>共有が有効です</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Used by: tray_about</extracomment>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>Used by: wizard_access_deny_sync_folder_warning</extracomment>
        <translation>選択したフォルダーへのアクセス権限がありません。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>Used by: err_quotafull</extracomment>
        <translation>サーバー上のストレージクォータがいっぱいです。</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <extracomment>Used by: setting_filter_table_editor_tooltip</extracomment>
        <translation>項目をダブルクリックすると編集できます。</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Used by: btn_continue</extracomment>
        <translation>続行</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>Used by: setting_filter_max_size</extracomment>
        <translation>最大ファイルサイズ（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>Used by: main_status_syncing</extracomment>
        <translation>バックアップ中…</translation>
    </message>
    <message>
        <source>The destination has no quota left. Free some space on the server or choose another one.</source>
        <extracomment>Used by: wizard_quotafull_sync_folder_warning</extracomment>
        <translation>バックアップ先のクォータが残っていません。サーバーの空き容量を増やすか、別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>Used by: err_max_tries</extracomment>
        <translation>失敗した試行の回数が多すぎます。しばらくしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>A size of 0 means no limit.</source>
        <extracomment>Used by: setting_filter_zero_desc</extracomment>
        <translation>サイズを0にすると無制限になります。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>Used by: err_abnormal</extracomment>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Orvanta Backup could not be started.</source>
        <extracomment>Used by: err_init_failed</extracomment>
        <translation>Orvanta Backupを起動できませんでした。</translation>
    </message>
    <message>
        <source>The server does not match the one this backup task was created for.</source>
        <extracomment>Used by: err_hx_not_match</extracomment>
        <translation>このサーバーは、このバックアップタスクを作成したときのサーバーと一致しません。</translation>
    </message>
    <message>
        <source>Select a destination folder on the server.</source>
        <extracomment>Used by: treedialog_server_desc</extracomment>
        <translation>サーバー上のバックアップ先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>Used by: msg_test_username_fail</extracomment>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>Used by: setting_option_language_title</extracomment>
        <translation>言語：</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>Used by: setting_option_language_default</extracomment>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <extracomment>Used by: btn_ssl_continue</extracomment>
        <translation>信頼して続行</translation>
    </message>
    <message>
        <source>Choose a folder on this computer and the destination folder on the server.</source>
        <extracomment>Used by: wizard_setsyncfolder_desc</extracomment>
        <translation>このコンピューター上のフォルダーと、サーバー上のバックアップ先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <extracomment>Used by: err_otp_enforced</extracomment>
        <translation>お使いのアカウントでは、管理者により2段階認証が必須に設定されています。</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Used by: btn_next</extracomment>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Used by: btn_apply</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_ipport_empty</extracomment>
        <translation>プロキシサーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>Used by: wizard_user_disable_sync_folder_warning</extracomment>
        <translation>お使いのアカウントはサーバー上で無効になっています。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another backup task.</source>
        <extracomment>Used by: wizard_conflict_backup_warning</extracomment>
        <translation>このフォルダーは、別のバックアップタスクで既にバックアップされています。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>Used by: err_no_valid_folder</extracomment>
        <translation>バックアップできる有効なフォルダーがありません。</translation>
    </message>
    <message>
        <source>Waiting for file lock</source>
        <extracomment>Used by: main_queue_locking</extracomment>
        <translation>ファイルロックを待機中</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>Used by: setting_proxy_no_proxy</extracomment>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Used by: tray_help</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <extracomment>Used by: err_version_server</extracomment>
        <translation>サーバーのバージョンが古いため、このクライアントを使用できません。サーバーを更新してください。</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <extracomment>Used by: treedialog_pc_title</extracomment>
        <translation>このコンピューター上のフォルダーを選択</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>Used by: setting_filter_size_limit_tooltip</extracomment>
        <translation>このサイズを超えるファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>Used by: setting_filter_ignore_local_delete</extracomment>
        <translation>ローカルで削除されたファイルをサーバー上に残す</translation>
    </message>
    <message>
        <source>The network connection failed. Please check your network and try again.</source>
        <extracomment>Used by: err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>ネットワーク接続に失敗しました。ネットワークを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Used by: main_queue_column_status</extracomment>
        <translation>状態</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>Used by: backup_chooser_choose_source</extracomment>
        <translation>バックアップ元フォルダーの選択</translation>
    </message>
    <message>
        <source>Back up a read-only folder? Its files are copied to the server; nothing is written back.</source>
        <extracomment>Used by: wizard_readonly_backup_desc</extracomment>
        <translation>読み取り専用フォルダーをバックアップしますか？ファイルはサーバーにコピーされますが、このフォルダーには何も書き戻されません。</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>Used by: setting_proxy_ip</extracomment>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>Used by: title_ssl_warning</extracomment>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>Used by: main_queue_waiting</extracomment>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <extracomment>Used by: msg_download_downloading</extracomment>
        <translation>ダウンロード中…</translation>
    </message>
    <message>
        <source>Back up the folders of this computer to your server automatically.</source>
        <extracomment>Used by: wizard_welcome_desc</extracomment>
        <translation>このコンピューターのフォルダーを、サーバーに自動でバックアップします。</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>Used by: setting_proxy_username</extracomment>
        <translation>プロキシのユーザー名：</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <extracomment>Used by: connection_use_farlink</extracomment>
        <translation>中継サービス経由で接続する</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>Used by: wizard_summary_table_account</extracomment>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>A system error occurred: %1</source>
        <extracomment>Used by: wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>システムエラーが発生しました：%1</translation>
    </message>
    <message>
        <source>The destination shared folder does not exist on the server.</source>
        <extracomment>Used by: wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>バックアップ先の共有フォルダーがサーバー上に存在しません。</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>Used by: wizard_summary_title</extracomment>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>Used by: main_queue_preparing</extracomment>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Used by: setting_tab_option</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>You only have read access to the destination folder on the server.</source>
        <extracomment>Used by: wizard_readonly_sync_folder_warning</extracomment>
        <translation>サーバー上のバックアップ先フォルダーに対する読み取り権限しかありません。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <extracomment>Used by: main_status_error</extracomment>
        <translation>バックアップエラー</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <extracomment>Used by: tray_click_to_update</extracomment>
        <translation>新しいバージョンが利用可能です。ここをクリックして更新してください。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>Used by: read_only</extracomment>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Automatic connection is disabled by your administrator.</source>
        <extracomment>Used by: err_autoconn_ctrl</extracomment>
        <translation>自動接続は管理者によって無効にされています。</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder of another backup task.</source>
        <extracomment>Used by: wizard_conflict_sync_folder_warning</extracomment>
        <translation>選択したフォルダーが、別のバックアップタスクのフォルダーと重複しています。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>Used by: btn_advanced</extracomment>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>Used by: main_desc_processing_count</extracomment>
        <translation>%1個のファイルを処理中…</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>Used by: wizard_summary_table_except_path</extracomment>
        <translation>除外するパス</translation>
    </message>
    <message>
        <source>You do not have permission to use this shared folder.</source>
        <extracomment>Used by: err_share_perm</extracomment>
        <translation>この共有フォルダーを使用する権限がありません。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>Used by: setting_filter_table_desc</extracomment>
        <translation>次の拡張子のファイルはバックアップされません：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>Used by: err_auth</extracomment>
        <translation>認証に失敗しました。</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Used by: btn_settings</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>The upgrade failed. Please install Orvanta Backup again.</source>
        <extracomment>Used by: upgrade_failed</extracomment>
        <translation>アップグレードに失敗しました。Orvanta Backupを再インストールしてください。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <extracomment>Used by: local_hx_search</extracomment>
        <translation>ローカルネットワーク上のサーバーを検索しています…</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Used by: btn_back</extracomment>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Used by: main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>Used by: btn_start_now</extracomment>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <extracomment>Used by: main_desc_processing_file</extracomment>
        <translation>%1を処理中</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>Used by: setting_proxy_auth</extracomment>
        <translation>プロキシサーバーで認証が必要</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>Used by: wizard_summary_table_server</extracomment>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <extracomment>Used by: wizard_setsyncfolder_title</extracomment>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <extracomment>Used by: err_create_session_fail</extracomment>
        <translation>サーバー上にセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Orvanta Backup is ready.</source>
        <extracomment>Used by: desc_orvt_env_preparation_done</extracomment>
        <translation>Orvanta Backupの準備ができました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Used by: btn_cancel</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This version of Orvanta Backup is too old for the server. Please upgrade it.</source>
        <extracomment>Used by: err_version_client</extracomment>
        <translation>このバージョンのOrvanta Backupは古いため、サーバーで使用できません。Orvanta Backupをアップグレードしてください。</translation>
    </message>
    <message>
        <source>File extensions</source>
        <extracomment>Used by: setting_filter_table_title</extracomment>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>Used by: manage_setting_applying</extracomment>
        <translation>設定を適用しています…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>Used by: tray_updating</extracomment>
        <translation>更新中…</translation>
    </message>
    <message>
        <source>Find servers on your local network</source>
        <extracomment>Used by: wizard_find_local_hx_tooltip</extracomment>
        <translation>ローカルネットワーク上のサーバーを検索</translation>
    </message>
    <message>
        <source>Start Orvanta Backup when I log in</source>
        <extracomment>Used by: setting_option_start_upon_login</extracomment>
        <translation>ログイン時にOrvanta Backupを起動する</translation>
    </message>
    <message>
        <source>Check the settings below and click Done to start the backup.</source>
        <extracomment>Used by: wizard_summary_desc</extracomment>
        <translation>以下の設定を確認し、［完了］をクリックしてバックアップを開始してください。</translation>
    </message>
    <message>
        <source>Your sign-in was revoked and the saved credentials were removed. Please sign in again.</source>
        <extracomment>Used by: err_auth_wipe</extracomment>
        <translation>サインインが取り消され、保存されていた認証情報は削除されました。もう一度サインインしてください。</translation>
    </message>
</context>
</TS>
